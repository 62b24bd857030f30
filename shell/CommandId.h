#pragma once
// The program's command identifiers. The numbers are those of the menus, the keyboard table and
// the toolbars, so handlers added later in other files find their action by id.

namespace numora {

enum class CommandId : int {
    Separator = 0,  // a separator in a menu or toolbar layout, not a command
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePageSetup = 57605,
    FilePrint = 57607,
    FileMruFirst = 57616,  // recent documents 57616..57631; the first holds "(なし)" while empty
    FileMruLast = 57631,
    AppExit = 57665,
    EditCopy = 57634,
    EditCut = 57635,
    EditFind = 57636,
    EditPaste = 57637,
    EditRepeat = 57640,  // find next (F3, Shift+F3)
    EditReplace = 57641,
    EditSelectAll = 57642,
    EditUndo = 57643,
    EditRedo = 57644,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    ViewVariableList = 59408,
    ViewTopMost = 32780,
    ViewWordWrap = 32781,
    UserFunctionDialog = 32782,
    OptionsDialog = 32783,
    Help = 57670,
    AppAbout = 57664,
    InsertBuiltinFunction = 32784,
    InsertUserFunction = 32785,
    InsertParentheses = 32786,
    InsertComment = 32787,
    InsertPi = 32788,
    InsertExp = 32789,
    InsertRoot2 = 32790,
    EditRecalculateAll = 32791,
    EditCopyResult = 32792,
    NextPane = 57680,
    CloseListPane = 57682,
};

}  // namespace numora
