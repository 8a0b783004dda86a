#include "unusable_library.h"

#include "data/sjis.h"

namespace zv::library {

UnusableLibrary::UnusableLibrary(const std::string& why)
    : Error(ErrorKind::Format, sj("ライブラリのデータベースは" + why +
                                  "。\r\n保存した開催日から作り直せます (zelvora-cli library rebuild)。")) {}

}  // namespace zv::library
