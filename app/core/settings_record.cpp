// The fixed-layout settings record.
#include "app/core/settings_record.hpp"

#include "app/core/ini_file.hpp"
#include "app/core/shared_routines.hpp"

#include <algorithm>

namespace quilloro {

namespace {

// The part of (position, length) that lies inside the record, as offset and count.
std::pair<std::size_t, std::size_t> clip(int position, int length) {
    const long long first = std::max<long long>(position, 1);
    const long long last = std::min<long long>(static_cast<long long>(position) + length - 1, SettingsRecord::kSize);
    if (length <= 0 || last < first) {
        return {0, 0};
    }
    return {static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)};
}

}  // namespace

SettingsRecord::SettingsRecord() : text_(kSize, ' ') {}

void SettingsRecord::clear() {
    text_.assign(kSize, ' ');
}

std::string SettingsRecord::get(int position, int length) const {
    const auto [offset, count] = clip(position, length);
    return fnTrimRight(std::string_view(text_).substr(offset, count));
}

void SettingsRecord::set(int position, int length, std::string_view value) {
    const auto [offset, count] = clip(position, length);
    if (count == 0) {
        return;
    }
    const std::string trimmed = fnTrimLeft(value);
    // When the field starts before position 1, its first characters are the
    // ones that fall off.
    const long long skipped = position < 1 ? 1 - static_cast<long long>(position) : 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto from = static_cast<unsigned long long>(skipped) + i;
        text_[offset + i] = from < trimmed.size() ? trimmed[from] : ' ';
    }
}

std::optional<long long> SettingsRecord::getInteger(const SettingsField& f) const {
    return parseDecimalInteger(get(f));
}

bool SettingsRecord::setInteger(const SettingsField& f, long long value) {
    const auto text = formatFieldNumber(f, value);
    if (!text) {
        return false;
    }
    set(f, *text);
    return true;
}

std::optional<std::string> formatFieldNumber(const SettingsField& f, long long value) {
    if (f.format == FieldFormat::ZeroPadded) {
        // A count: negative numbers have no place in it.
        if (value < 0) {
            return std::nullopt;
        }
        std::string text = fnZeroPad(value, f.length);
        if (text.find('*') != std::string::npos) {
            return std::nullopt;
        }
        return text;
    }
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) > f.length) {
        return std::nullopt;
    }
    return text;
}

}  // namespace quilloro
