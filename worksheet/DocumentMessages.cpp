#include "worksheet/DocumentMessages.h"

#include "worksheet/Document.h"

namespace numora {

const char* FileErrorReason(FileError error) {
    switch (error) {
        case FileError::None:
            return "";
        case FileError::NoSuchFile:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "ファイルが見つかりません");
        case FileError::PermissionDenied:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "アクセスが拒否されました");
        case FileError::ReadOnly:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "読み取り専用です");
        case FileError::IsFolder:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "フォルダーです");
        case FileError::IsPipe:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "名前付きパイプです");
        case FileError::IsDevice:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "デバイスです");
        case FileError::IsSocket:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "ソケットです");
        case FileError::NotRegularFile:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "通常のファイルではありません");
        case FileError::DiskFull:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "ディスクに空きがありません");
        case FileError::NameTooLong:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "名前が長すぎます");
        case FileError::TooManyLinks:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages",
                                     "シンボリック リンクの階層が深すぎます");
        case FileError::TooLarge:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "ファイルが大きすぎます");
        case FileError::OutOfMemory:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "メモリが足りません");
        case FileError::Other:
            break;
    }
    return QT_TRANSLATE_NOOP("numora::DocumentMessages", "入出力エラーです");
}

const char* LoadFailureReason(DocumentStatus status, FileError error) {
    switch (status) {
        case DocumentStatus::NotUtf8:
            return QT_TRANSLATE_NOOP("numora::DocumentMessages", "UTF-8 のテキストではありません");
        case DocumentStatus::TooLarge:
            return FileErrorReason(FileError::TooLarge);
        default:
            return FileErrorReason(error == FileError::None ? FileError::Other : error);
    }
}

}  // namespace numora
