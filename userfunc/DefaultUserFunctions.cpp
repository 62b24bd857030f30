#include "base/Text.h"
#include "base/Translatable.h"
#include "userfunc/UserFunctionStore.h"

namespace numora {

namespace {

struct DefaultFunction {
    std::u16string_view name;
    std::u16string_view parameters;
    std::u16string_view expression;
    const char* explain;  // UTF-8, a source of translation
};

// The functions a new user starts with, in menu order.
constexpr DefaultFunction kDefaults[] = {
    {u"LogN", u"base; x", u"log(x)/log(base)",
     QT_TRANSLATE_NOOP("numora::DefaultUserFunctions", "baseを底とする x の対数 : LogN(base; x)")},
    {u"DegToDeg", u"d;m;s", u"ToDeg(ToRad(d;m;s))",
     QT_TRANSLATE_NOOP("numora::DefaultUserFunctions", "60進角度Deg:Min:Secを10進角度に変換")},
    {u"dButoV", u"x", u"10^(x/20)*0.7746",
     QT_TRANSLATE_NOOP("numora::DefaultUserFunctions", "dBuを電圧へ変換")},
    {u"dBu", u"x", u"20*log(x/0.7746)",
     QT_TRANSLATE_NOOP("numora::DefaultUserFunctions", "電圧をdBuへ変換")},
    {u"MilTomm", u"x", u"x*0.0254",
     QT_TRANSLATE_NOOP("numora::DefaultUserFunctions", "Mil(ミル)をmm(ミリメートル)へ変換")},
    {u"mmToMil", u"x", u"x/0.0254",
     QT_TRANSLATE_NOOP("numora::DefaultUserFunctions", "mm(ミリメートル)をMil(ミル）へ変換")},
    {u"InTomm", u"x", u"x*25.4",
     QT_TRANSLATE_NOOP("numora::DefaultUserFunctions", "Inch(インチ)をmm(ミリメートル)へ変換")},
    {u"mmToIn", u"x", u"x/25.4",
     QT_TRANSLATE_NOOP("numora::DefaultUserFunctions", "mm(ミリメートル)をInch(インチ)へ変換")},
    {u"MileToMetric", u"x", u"x*1.852",
     QT_TRANSLATE_NOOP("numora::DefaultUserFunctions",
                       "Nautical Mile(海里,ノット)をkm(キロメートル,時速)へ変換")},
    {u"MetricToMile", u"x", u"x/1.852",
     QT_TRANSLATE_NOOP("numora::DefaultUserFunctions",
                       "km(キロメートル,時速)をNautical Mile(海里,ノット)へ変換")},
};

}  // namespace

void AddDefaultUserFunctions(UserFunctionCatalogue& catalogue, const ExplainTranslator& translate) {
    for (const DefaultFunction& f : kDefaults) {
        AddUserFunction(catalogue, f.name, f.parameters, f.expression,
                        translate ? translate(f.explain) : Utf8ToUtf16(f.explain));
    }
}

}  // namespace numora
