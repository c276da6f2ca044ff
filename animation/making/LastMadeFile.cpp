#include "LastMadeFile.h"

#include "platform/Gbk.h"

namespace vx7::animation {

bool LastMadeFile::IsUsable() const {
    const auto gbk = platform::ToGbk(name);
    return (gbk ? gbk->size() : name.toUtf8().size()) > 3;
}

} // namespace vx7::animation
