#include "shell/insert/UnitHelpTable.h"

#include <QtGlobal>

namespace numora {

namespace {

// What a prefix puts before a unit's name ("キロ" + "メートル").
constexpr UnitPrefixWord kPrefixWords[] = {
    {u"da", QT_TRANSLATE_NOOP("numora::UnitHelp", "デカ")},
    {u"k", QT_TRANSLATE_NOOP("numora::UnitHelp", "キロ")},
    {u"m", QT_TRANSLATE_NOOP("numora::UnitHelp", "ミリ")},
    {u"c", QT_TRANSLATE_NOOP("numora::UnitHelp", "センチ")},
    {u"M", QT_TRANSLATE_NOOP("numora::UnitHelp", "メガ")},
    {u"G", QT_TRANSLATE_NOOP("numora::UnitHelp", "ギガ")},
    {u"T", QT_TRANSLATE_NOOP("numora::UnitHelp", "テラ")},
    {u"µ", QT_TRANSLATE_NOOP("numora::UnitHelp", "マイクロ")},
    {u"μ", QT_TRANSLATE_NOOP("numora::UnitHelp", "マイクロ")},
    {u"u", QT_TRANSLATE_NOOP("numora::UnitHelp", "マイクロ")},
    {u"n", QT_TRANSLATE_NOOP("numora::UnitHelp", "ナノ")},
    {u"d", QT_TRANSLATE_NOOP("numora::UnitHelp", "デシ")},
    {u"h", QT_TRANSLATE_NOOP("numora::UnitHelp", "ヘクト")},
    {u"p", QT_TRANSLATE_NOOP("numora::UnitHelp", "ピコ")},
    {u"P", QT_TRANSLATE_NOOP("numora::UnitHelp", "ペタ")},
    {u"f", QT_TRANSLATE_NOOP("numora::UnitHelp", "フェムト")},
    {u"E", QT_TRANSLATE_NOOP("numora::UnitHelp", "エクサ")},
    {u"a", QT_TRANSLATE_NOOP("numora::UnitHelp", "アト")},
    {u"Z", QT_TRANSLATE_NOOP("numora::UnitHelp", "ゼタ")},
    {u"z", QT_TRANSLATE_NOOP("numora::UnitHelp", "ゼプト")},
    {u"Y", QT_TRANSLATE_NOOP("numora::UnitHelp", "ヨタ")},
    {u"y", QT_TRANSLATE_NOOP("numora::UnitHelp", "ヨクト")},
    {u"R", QT_TRANSLATE_NOOP("numora::UnitHelp", "ロナ")},
    {u"r", QT_TRANSLATE_NOOP("numora::UnitHelp", "ロント")},
    {u"Q", QT_TRANSLATE_NOOP("numora::UnitHelp", "クエタ")},
    {u"q", QT_TRANSLATE_NOOP("numora::UnitHelp", "クエクト")},
};

}  // namespace

std::span<const UnitPrefixWord> UnitPrefixWords() { return kPrefixWords; }

}  // namespace numora
