#include "shell/CommandTable.h"

#include <algorithm>
#include <array>
#include <vector>

#include "shell/ShellTexts.h"

namespace numora {

namespace {

using namespace Qt::StringLiterals;

using Id = CommandId;
constexpr Id Sep = CommandId::Separator;

QList<QKeySequence> Keys(std::initializer_list<QKeyCombination> keys) {
    QList<QKeySequence> list;
    for (QKeyCombination key : keys) list.append(QKeySequence(key));
    return list;
}

QString Icon(const char* name) { return QStringLiteral(":/icons/") + QLatin1String(name); }

std::vector<CommandInfo> BuildCommands() {
    const auto ctrl = [](Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); };
    const auto shift = [](Qt::Key key) { return QKeyCombination(Qt::ShiftModifier, key); };
    const auto plain = [](Qt::Key key) { return QKeyCombination(key); };
    return {
        {Id::FileNew, u"新規作成\tCtrl+N(&N)"_s, u"新規にファイルを作成\n新規ファイル"_s,
         Keys({ctrl(Qt::Key_N)}), Icon("new.svg")},
        {Id::FileOpen, u"開く...\tCtrl+O(&O)"_s, u"既存のファイルを開く\n開く"_s,
         Keys({ctrl(Qt::Key_O)}), Icon("open.svg")},
        {Id::FileSave, u"上書き保存\tCtrl+S(&S)"_s, u"作業中のファイルを上書きして保存\n保存"_s,
         Keys({ctrl(Qt::Key_S)}), Icon("save.svg")},
        {Id::FileSaveAs,
         u"名前を付けて保存(&A)..."_s,
         u"作業中のファイルを新しい名前で保存\n名前をつけて保存"_s,
         {},
         {}},
        {Id::FilePrint, u"印刷...\tCtrl+P(&P)"_s, u"作業中のファイルを印刷\n印刷"_s,
         Keys({ctrl(Qt::Key_P)}), Icon("print.svg")},
        {Id::FilePageSetup, u"ページ設定(&U)"_s, u"ページ レイアウトの設定\nページ設定"_s, {}, {}},
        {Id::FileMruFirst, texts::kNoRecentDocuments, {}, {}, {}},
        {Id::AppExit,
         u"終了(&X)"_s,
         u"アプリケーションを終了し、ファイルの保存を指示\n終了"_s,
         Keys({ctrl(Qt::Key_Q)}),
         {}},
        {Id::EditUndo, u"元に戻す\tCtrl+Z(&U)"_s, u"直前に行った動作を元に戻す\n元に戻す"_s,
         Keys({ctrl(Qt::Key_Z), QKeyCombination(Qt::AltModifier, Qt::Key_Backspace)}),
         Icon("undo.svg")},
        {Id::EditRedo, u"やり直す\tCtrl+Y(&Y)"_s, u"取り消した操作をやり直す\nやり直す"_s,
         Keys({ctrl(Qt::Key_Y),
               QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)}),
         Icon("redo.svg")},
        {Id::EditCut, u"切り取り\tCtrl+X(&T)"_s,
         u"選択範囲を切り取ってクリップボードに保存\n切り取り"_s,
         Keys({ctrl(Qt::Key_X), shift(Qt::Key_Delete)}), Icon("cut.svg")},
        {Id::EditCopy, u"コピー\tCtrl+C(&C)"_s,
         u"選択範囲をコピーしてクリップボードに保存\nコピー"_s,
         Keys({ctrl(Qt::Key_C), ctrl(Qt::Key_Insert)}), Icon("copy.svg")},
        {Id::EditPaste, u"貼り付け\tCtrl+V(&P)"_s, u"クリップボードの内容を貼り付け\n貼り付け"_s,
         Keys({ctrl(Qt::Key_V), shift(Qt::Key_Insert)}), Icon("paste.svg")},
        {Id::EditSelectAll,
         u"すべて選択\tCtrl+A(&A)"_s,
         u"ファイル内のすべてを選択\nすべて選択"_s,
         Keys({ctrl(Qt::Key_A)}),
         {}},
        {Id::EditFind, u"検索\tCtrl+F(&F)"_s, u"指定した文字列の検索\n検索"_s,
         Keys({ctrl(Qt::Key_F)}), Icon("find.svg")},
        {Id::EditReplace, u"置換\tCtrl+H(&H)"_s, u"指定した文字列を他の文字列で置換\n置換"_s,
         Keys({ctrl(Qt::Key_H)}), Icon("replace.svg")},
        {Id::EditRepeat,
         u"次を検索\tF3,Shift+F3(&N)"_s,
         u"上下へ次を検索します(Shift+F3で上へ)\n次を検索"_s,
         Keys({plain(Qt::Key_F3), shift(Qt::Key_F3)}),
         {}},
        {Id::ViewToolbar,
         u"ツール バー(&T)"_s,
         u"ツール バーの 表示/非表示\nツール バーの表示切り替え"_s,
         {},
         {},
         true},
        {Id::ViewStatusBar,
         u"ステータス バー(&S)"_s,
         u"ステータス バーの 表示/非表示\nステータス バーの表示切り替え"_s,
         {},
         {},
         true},
        {Id::ViewVariableList,
         u"変数リスト(&L)"_s,
         u"変数リストの 表示/非表示\n変数リストの表示切り替え"_s,
         {},
         {},
         true},
        {Id::ViewTopMost,
         u"常に手前に表示(&V)\tPause"_s,
         u"ウィンドウを常に最前面に表示"_s,
         Keys({plain(Qt::Key_Pause)}),
         {},
         true},
        {Id::ViewWordWrap,
         u"右端で折り返す(&W)"_s,
         u"行をウィンドウの右端で折り返す"_s,
         {},
         {},
         true},
        {Id::UserFunctionDialog, u"ユーザ関数登録(&U)"_s, {}, {}, {}},
        {Id::OptionsDialog,
         u"オプション設定(&O)"_s,
         u"オプション設定を開く\nオプション設定"_s,
         {},
         Icon("options.svg")},
        {Id::Help, u"ヘルプ"_s, u"ヘルプを表示"_s, Keys({plain(Qt::Key_F1)}), {}},
        {Id::AppAbout,
         u"バージョン情報(&A) Numora"_s,
         u"プログラム情報、バージョン、著作権を表示\nバージョン情報"_s,
         {},
         {}},
        {Id::InsertBuiltinFunction,
         {},
         u"組み込み関数を挿入\n組み込み関数(F4)"_s,
         Keys({plain(Qt::Key_F4)}),
         Icon("builtin.svg")},
        {Id::InsertUserFunction,
         {},
         u"ユーザー関数を挿入\nユーザー関数(F5)"_s,
         Keys({plain(Qt::Key_F5)}),
         Icon("userfunc.svg")},
        {Id::InsertParentheses,
         {},
         u"選択範囲を括弧で括ります\n括弧括り(F6)"_s,
         Keys({plain(Qt::Key_F6)}),
         Icon("parens.svg")},
        {Id::InsertComment,
         {},
         u"コメントを挿入します\nコメント挿入(F7)"_s,
         Keys({plain(Qt::Key_F7)}),
         Icon("comment.svg")},
        {Id::InsertPi,
         {},
         u"π<pi>を挿入します\nπ<pi>挿入(F8)"_s,
         Keys({plain(Qt::Key_F8)}),
         Icon("pi.svg")},
        {Id::InsertExp,
         {},
         u"exp[e:ネイピア数]を挿入します\nexp[e:ネイピア数]挿入(F9)"_s,
         Keys({plain(Qt::Key_F9)}),
         Icon("exp.svg")},
        {Id::InsertRoot2,
         {},
         u"root2<sqr2>を挿入します\nroot2<sqr2>挿入(F10)"_s,
         Keys({plain(Qt::Key_F10)}),
         Icon("root2.svg")},
        {Id::NextPane,
         {},
         u"次のウィンドウに切り替える\n次のペイン"_s,
         Keys({plain(Qt::Key_F2)}),
         {}},
        {Id::CloseListPane, {}, {}, {}, {}},
    };
}

constexpr std::array kFileMenu{
    Id::FileNew,   Id::FileOpen,      Id::FileSave, Id::FileSaveAs,   Sep,
    Id::FilePrint, Id::FilePageSetup, Sep,          Id::FileMruFirst, Sep,
    Id::AppExit};
constexpr std::array kEditMenu{Id::EditUndo,  Id::EditRedo,      Sep, Id::EditCut,  Id::EditCopy,
                               Id::EditPaste, Id::EditSelectAll, Sep, Id::EditFind, Id::EditReplace,
                               Id::EditRepeat};
constexpr std::array kViewMenu{Id::ViewToolbar,
                               Id::ViewStatusBar,
                               Id::ViewVariableList,
                               Sep,
                               Id::ViewTopMost,
                               Id::ViewWordWrap,
                               Sep,
                               Id::UserFunctionDialog,
                               Id::OptionsDialog};
constexpr std::array kHelpMenu{Id::Help, Id::AppAbout};

constexpr std::array kToolbarA{Id::FileNew,   Id::FileOpen,  Id::FileSave, Sep,
                               Id::FilePrint, Sep,           Id::EditFind, Id::EditReplace,
                               Sep,           Id::EditUndo,  Id::EditRedo, Id::EditCut,
                               Id::EditCopy,  Id::EditPaste, Sep,          Id::OptionsDialog};
constexpr std::array kToolbarB{Id::InsertBuiltinFunction,
                               Id::InsertUserFunction,
                               Id::InsertParentheses,
                               Id::InsertComment,
                               Id::InsertPi,
                               Id::InsertExp,
                               Id::InsertRoot2};

}  // namespace

std::span<const CommandInfo> Commands() {
    static const std::vector<CommandInfo> commands = BuildCommands();
    return commands;
}

const CommandInfo* FindCommand(CommandId id) {
    const auto all = Commands();
    const auto it =
        std::find_if(all.begin(), all.end(), [id](const auto& c) { return c.id == id; });
    return it == all.end() ? nullptr : &*it;
}

std::span<const MenuLayout> MenuBarLayout() {
    static const std::array<MenuLayout, 4> menus{{
        {texts::kMenuFile, kFileMenu},
        {texts::kMenuEdit, kEditMenu},
        {texts::kMenuView, kViewMenu},
        {texts::kMenuHelp, kHelpMenu},
    }};
    return menus;
}

std::span<const CommandId> StandardToolbarLayout() { return kToolbarA; }
std::span<const CommandId> InsertToolbarLayout() { return kToolbarB; }

}  // namespace numora
