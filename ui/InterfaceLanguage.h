#pragma once
// The language of this run's interface.
#include <QString>

namespace numora {

// "ja" for the Japanese texts the program is written in, else the code of the translation
// installed at start ("en"). The translation itself says which language it is, so that what is
// kept per language (the help pages) follows it.
QString InterfaceLanguage();

}  // namespace numora
