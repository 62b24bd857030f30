#include "ui/InterfaceLanguage.h"

#include <QCoreApplication>

namespace numora {

QString InterfaceLanguage() {
    return QCoreApplication::translate("numora::InterfaceLanguage", "ja",
                                       "the code of the language translated into");
}

}  // namespace numora
