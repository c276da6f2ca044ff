#include "InstallRecord.h"

#include "platform/Gbk.h"

#include <algorithm>
#include <cstring>

namespace vx7::install {

InstallRecord InstallRecord::FromBytes(std::span<const char> bytes) {
    InstallRecord record;
    // An empty span may carry no pointer at all, which memcpy must never be given.
    if (!bytes.empty())
        std::memcpy(record.bytes_.data(), bytes.data(), std::min(bytes.size(), kSize));
    return record;
}

void InstallRecord::SetDate(const QDate& date) {
    const QByteArray text =
        QString::asprintf("%4d.%2d.%2d", date.year(), date.month(), date.day()).toLatin1();
    std::memset(bytes_.data() + kDateOffset, 0, kDateSize);
    std::memcpy(bytes_.data() + kDateOffset, text.constData(),
                std::min<std::size_t>(static_cast<std::size_t>(text.size()), kDateSize - 1));
}

bool InstallRecord::SetProgramFolder(const QString& path) {
    // The short field is informational only: a cut keeps whole characters.
    std::memset(bytes_.data() + kProgramSlashOffset, 0, kProgramSlashSize);
    platform::WriteGbkField(std::span<char>(bytes_.data() + kProgramSlashOffset, kProgramSlashSize),
                            path.endsWith(u'/') ? path : path + u'/', kProgramSlashSize - 1);
    return SetText(kProgramOffset, kProgramSize, path);
}

bool InstallRecord::Fits(const QString& text, std::size_t size) {
    const auto gbk = platform::ToGbk(text);
    return gbk && static_cast<std::size_t>(gbk->size()) < size && !gbk->contains('\0');
}

bool InstallRecord::SetText(std::size_t offset, std::size_t size, const QString& text) {
    std::memset(bytes_.data() + offset, 0, size);
    if (!Fits(text, size))
        return false;
    return platform::WriteGbkField(std::span<char>(bytes_.data() + offset, size), text, size - 1);
}

QString InstallRecord::Text(std::size_t offset, std::size_t size) const {
    return platform::ReadGbkField(std::span<const char>(bytes_.data() + offset, size));
}

std::size_t InstallRecord::FieldLength(std::size_t offset, std::size_t size) const {
    const char* begin = bytes_.data() + offset;
    return static_cast<std::size_t>(std::find(begin, begin + size, '\0') - begin);
}

bool InstallRecord::FieldTerminated(std::size_t offset, std::size_t size) const {
    return FieldLength(offset, size) < size;
}

QByteArray InstallRecord::InformationFileBytes() const {
    QByteArray out(bytes_.data(), static_cast<qsizetype>(kSize));
    out.append(bytes_.data(), static_cast<qsizetype>(kRepeatSize));
    return out;
}

} // namespace vx7::install
