#include "unusable_library.h"

namespace zv::library {

UnusableLibrary::UnusableLibrary(const std::string& why)
    : Error(ErrorKind::Format, "ライブラリのデータベースは" + why +
                                   "。\r\n保存した開催日から作り直せます (zelvora-cli library rebuild)。") {}

}  // namespace zv::library
