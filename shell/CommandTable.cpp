#include "shell/CommandTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <vector>

#include "shell/ShellTexts.h"

namespace numora {

namespace {

using Id = CommandId;
constexpr Id Sep = CommandId::Separator;

QList<QKeySequence> Keys(std::initializer_list<QKeyCombination> keys) {
    QList<QKeySequence> list;
    for (QKeyCombination key : keys) list.append(QKeySequence(key));
    return list;
}

QString Icon(const char* name) { return QStringLiteral(":/icons/") + QLatin1String(name); }

}  // namespace

// The table is built at its first use, in the interface language of the run.
class CommandTexts {
    Q_DECLARE_TR_FUNCTIONS(CommandTexts)
public:
    static std::vector<CommandInfo> Build();
};

std::vector<CommandInfo> CommandTexts::Build() {
    const auto ctrl = [](Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); };
    const auto shift = [](Qt::Key key) { return QKeyCombination(Qt::ShiftModifier, key); };
    const auto ctrlShift = [](Qt::Key key) {
        return QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, key);
    };
    const auto plain = [](Qt::Key key) { return QKeyCombination(key); };
    return {
        {Id::FileNew, tr("新規作成\tCtrl+N(&N)"), tr("新規にファイルを作成\n新規ファイル"),
         Keys({ctrl(Qt::Key_N)}), Icon("new.svg")},
        {Id::FileOpen, tr("開く...\tCtrl+O(&O)"), tr("既存のファイルを開く\n開く"),
         Keys({ctrl(Qt::Key_O)}), Icon("open.svg")},
        {Id::FileSave, tr("上書き保存\tCtrl+S(&S)"), tr("作業中のファイルを上書きして保存\n保存"),
         Keys({ctrl(Qt::Key_S)}), Icon("save.svg")},
        {Id::FileSaveAs,
         tr("名前を付けて保存(&A)..."),
         tr("作業中のファイルを新しい名前で保存\n名前をつけて保存"),
         {},
         {}},
        {Id::FilePrint, tr("印刷...\tCtrl+P(&P)"), tr("作業中のファイルを印刷\n印刷"),
         Keys({ctrl(Qt::Key_P)}), Icon("print.svg")},
        {Id::FilePageSetup,
         tr("ページ設定(&U)"),
         tr("ページ レイアウトの設定\nページ設定"),
         {},
         {}},
        {Id::FileMruFirst, texts::kNoRecentDocuments(), {}, {}, {}},
        {Id::AppExit,
         tr("終了(&X)"),
         tr("アプリケーションを終了し、ファイルの保存を指示\n終了"),
         Keys({ctrl(Qt::Key_Q)}),
         {}},
        {Id::EditUndo, tr("元に戻す\tCtrl+Z(&U)"), tr("直前に行った動作を元に戻す\n元に戻す"),
         Keys({ctrl(Qt::Key_Z), QKeyCombination(Qt::AltModifier, Qt::Key_Backspace)}),
         Icon("undo.svg")},
        {Id::EditRedo, tr("やり直す\tCtrl+Y(&Y)"), tr("取り消した操作をやり直す\nやり直す"),
         Keys({ctrl(Qt::Key_Y), ctrlShift(Qt::Key_Z)}), Icon("redo.svg")},
        {Id::EditCut, tr("切り取り\tCtrl+X(&T)"),
         tr("選択範囲を切り取ってクリップボードに保存\n切り取り"),
         Keys({ctrl(Qt::Key_X), shift(Qt::Key_Delete)}), Icon("cut.svg")},
        {Id::EditCopy, tr("コピー\tCtrl+C(&C)"),
         tr("選択範囲をコピーしてクリップボードに保存\nコピー"),
         Keys({ctrl(Qt::Key_C), ctrl(Qt::Key_Insert)}), Icon("copy.svg")},
        {Id::EditCopyResult,
         tr("結果をコピー\tCtrl+Shift+C(&E)"),
         tr("結果行の値を桁区切りなしでクリップボードにコピー\n結果をコピー"),
         Keys({ctrlShift(Qt::Key_C)}),
         {}},
        {Id::EditPaste, tr("貼り付け\tCtrl+V(&P)"), tr("クリップボードの内容を貼り付け\n貼り付け"),
         Keys({ctrl(Qt::Key_V), shift(Qt::Key_Insert)}), Icon("paste.svg")},
        {Id::EditSelectAll,
         tr("すべて選択\tCtrl+A(&A)"),
         tr("ファイル内のすべてを選択\nすべて選択"),
         Keys({ctrl(Qt::Key_A)}),
         {}},
        {Id::EditRecalculateAll, tr("すべて再計算(&R)\tCtrl+R"),
         tr("ワークシート全体を上から順に再計算します\nすべて再計算"), Keys({ctrl(Qt::Key_R)}),
         Icon("recalc.svg")},
        {Id::EditFind, tr("検索\tCtrl+F(&F)"), tr("指定した文字列の検索\n検索"),
         Keys({ctrl(Qt::Key_F)}), Icon("find.svg")},
        {Id::EditReplace, tr("置換\tCtrl+H(&H)"), tr("指定した文字列を他の文字列で置換\n置換"),
         Keys({ctrl(Qt::Key_H)}), Icon("replace.svg")},
        {Id::EditRepeat,
         tr("次を検索\tF3,Shift+F3(&N)"),
         tr("上下へ次を検索します(Shift+F3で上へ)\n次を検索"),
         Keys({plain(Qt::Key_F3), shift(Qt::Key_F3)}),
         {}},
        {Id::ViewToolbar,
         tr("ツール バー(&T)"),
         tr("ツール バーの 表示/非表示\nツール バーの表示切り替え"),
         {},
         {},
         true},
        {Id::ViewStatusBar,
         tr("ステータス バー(&S)"),
         tr("ステータス バーの 表示/非表示\nステータス バーの表示切り替え"),
         {},
         {},
         true},
        {Id::ViewVariableList,
         tr("変数リスト(&L)"),
         tr("変数リストの 表示/非表示\n変数リストの表示切り替え"),
         {},
         {},
         true},
        {Id::ViewTopMost,
         tr("常に手前に表示(&V)\tPause"),
         tr("ウィンドウを常に最前面に表示"),
         Keys({plain(Qt::Key_Pause)}),
         {},
         true},
        {Id::ViewWordWrap,
         tr("右端で折り返す(&W)"),
         tr("行をウィンドウの右端で折り返す"),
         {},
         {},
         true},
        {Id::UserFunctionDialog, tr("ユーザ関数登録(&U)"), {}, {}, {}},
        {Id::OptionsDialog,
         tr("オプション設定(&O)"),
         tr("オプション設定を開く\nオプション設定"),
         {},
         Icon("options.svg")},
        {Id::Help, tr("ヘルプ"), tr("ヘルプを表示"), Keys({plain(Qt::Key_F1)}), {}},
        {Id::AppAbout,
         tr("バージョン情報(&A) Numora"),
         tr("プログラム情報、バージョン、著作権を表示\nバージョン情報"),
         {},
         {}},
        {Id::InsertBuiltinFunction,
         {},
         tr("組み込み関数を挿入\n組み込み関数(F4)"),
         Keys({plain(Qt::Key_F4)}),
         Icon("builtin.svg")},
        {Id::InsertUserFunction,
         {},
         tr("ユーザー関数を挿入\nユーザー関数(F5)"),
         Keys({plain(Qt::Key_F5)}),
         Icon("userfunc.svg")},
        {Id::InsertParentheses,
         {},
         tr("選択範囲を括弧で括ります\n括弧括り(F6)"),
         Keys({plain(Qt::Key_F6)}),
         Icon("parens.svg")},
        {Id::InsertComment,
         {},
         tr("コメントを挿入します\nコメント挿入(F7)"),
         Keys({plain(Qt::Key_F7)}),
         Icon("comment.svg")},
        {Id::InsertPi,
         {},
         tr("π<pi>を挿入します\nπ<pi>挿入(F8)"),
         Keys({plain(Qt::Key_F8)}),
         Icon("pi.svg")},
        {Id::InsertExp,
         {},
         tr("exp[e:ネイピア数]を挿入します\nexp[e:ネイピア数]挿入(F9)"),
         Keys({plain(Qt::Key_F9)}),
         Icon("exp.svg")},
        {Id::InsertRoot2,
         {},
         tr("root2<sqr2>を挿入します\nroot2<sqr2>挿入(F10)"),
         Keys({plain(Qt::Key_F10)}),
         Icon("root2.svg")},
        {Id::NextPane,
         {},
         tr("次のウィンドウに切り替える\n次のペイン"),
         Keys({plain(Qt::Key_F2), ctrl(Qt::Key_Tab), ctrlShift(Qt::Key_Tab)}),
         {}},
        {Id::CloseListPane, {}, {}, {}, {}},
    };
}

namespace {

constexpr std::array kFileMenu{
    Id::FileNew,   Id::FileOpen,      Id::FileSave, Id::FileSaveAs,   Sep,
    Id::FilePrint, Id::FilePageSetup, Sep,          Id::FileMruFirst, Sep,
    Id::AppExit};
constexpr std::array kEditMenu{Id::EditUndo,  Id::EditRedo,      Sep,
                               Id::EditCut,   Id::EditCopy,      Id::EditCopyResult,
                               Id::EditPaste, Id::EditSelectAll, Id::EditRecalculateAll,
                               Sep,           Id::EditFind,      Id::EditReplace,
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
                               Id::InsertRoot2,
                               Sep,
                               Id::EditRecalculateAll};

}  // namespace

std::span<const CommandInfo> Commands() {
    static const std::vector<CommandInfo> commands = CommandTexts::Build();
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
        {texts::kMenuFile(), kFileMenu},
        {texts::kMenuEdit(), kEditMenu},
        {texts::kMenuView(), kViewMenu},
        {texts::kMenuHelp(), kHelpMenu},
    }};
    return menus;
}

std::span<const CommandId> StandardToolbarLayout() { return kToolbarA; }
std::span<const CommandId> InsertToolbarLayout() { return kToolbarB; }

}  // namespace numora
