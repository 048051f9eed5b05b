#include "core/datetime_text.h"

#include <cstring>

namespace core {
namespace {

// The unit characters in GBK.
constexpr std::string_view kYear = "\xC4\xEA";    // 年
constexpr std::string_view kMonth = "\xD4\xC2";   // 月
constexpr std::string_view kDay = "\xC8\xD5";     // 日
constexpr std::string_view kHour = "\xCA\xB1";    // 时
constexpr std::string_view kMinute = "\xB7\xD6";  // 分
constexpr std::string_view kSecond = "\xC3\xEB";  // 秒

// A text ends at its first zero byte, as a zero-terminated text of the program would.
std::string_view UpToZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

char FoldPair(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
    if (lead == 0xA1 && trail == 0xA1) return ' ';
    if (lead == 0xA1 && trail == 0xAB) return '~';
    if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) return '*';
    return 0;
}

// Folds text into out until at least `limit` bytes are written or the text ends, and returns the count
// written: always a prefix of the whole folded text. out holds limit + 1 bytes.
size_t FoldInto(std::string_view text, char* out, size_t limit) {
    const char* in = text.data();
    const char* const end = in + text.size();
    char* const begin = out;
    while (in != end && static_cast<size_t>(out - begin) < limit) {
        const auto lead = static_cast<unsigned char>(*in);
        if (lead < 0x80) {
            *out++ = *in++;
            continue;
        }
        if (end - in == 1) break;  // a lead byte without its trail byte is dropped
        if (const char ascii = FoldPair(lead, static_cast<unsigned char>(in[1]))) {
            *out++ = ascii;
        } else {
            *out++ = in[0];
            *out++ = in[1];
        }
        in += 2;
    }
    return static_cast<size_t>(out - begin);
}

// Walks a folded text field by field. Every step stays on a character boundary: it passes one ASCII
// byte or one whole unit character, and stops at anything else.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : pos_(text.data()), end_(text.data() + text.size()) {}

    // A run of at most maxDigits ASCII digits; no digit reads as 0.
    int32_t Number(int maxDigits) {
        int32_t value = 0;
        for (int i = 0; i < maxDigits && pos_ != end_ && IsDigit(*pos_); ++i, ++pos_)
            value = value * 10 + (*pos_ - '0');
        return value;
    }

    // Passes one separator from the set or the unit character, when it is there.
    void Separator(std::string_view bytes, std::string_view unit) {
        if (pos_ == end_) return;
        if (bytes.find(*pos_) != std::string_view::npos) {
            ++pos_;
        } else if (StartsWith(unit)) {
            pos_ += unit.size();
        }
    }

    // After the second: the end of the text, or the second's unit followed by anything.
    bool AtEndOrSecondUnit() const { return pos_ == end_ || StartsWith(kSecond); }

  private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    bool StartsWith(std::string_view unit) const {
        return static_cast<size_t>(end_ - pos_) >= unit.size() &&
               std::memcmp(pos_, unit.data(), unit.size()) == 0;
    }

    const char* pos_;
    const char* end_;
};

// Writes a date text into a fixed buffer: the longest, "9999年12月31日23时59分59秒", has 30 bytes.
class DateTextWriter {
  public:
    // The decimal digits of a field (0 to 9999) and its unit character.
    void Field(int32_t value, std::string_view unit) {
        char digits[4];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0 && count < 4);
        while (count > 0) bytes_[size_++] = digits[--count];
        std::memcpy(bytes_ + size_, unit.data(), unit.size());
        size_ += unit.size();
    }

    Text ToText() const { return Text(bytes_, size_); }

  private:
    char bytes_[32];
    size_t size_ = 0;
};

}  // namespace

Text FoldFullWidth(std::string_view text) {
    text = UpToZero(text);
    Text folded(text.size(), '\0');  // folding never lengthens a text
    folded.resize(FoldInto(text, folded.data(), text.size()));
    return folded;
}

Text DateTimeToText(DateTime value) {
    const DateTimeFields f = FieldsOf(value);
    DateTextWriter text;
    text.Field(f.year, kYear);
    text.Field(f.month, kMonth);
    text.Field(f.day, kDay);
    // Trailing zero time fields are left out; midnight is the date alone.
    if (f.second != 0) {
        text.Field(f.hour, kHour);
        text.Field(f.minute, kMinute);
        text.Field(f.second, kSecond);
    } else if (f.minute != 0) {
        text.Field(f.hour, kHour);
        text.Field(f.minute, kMinute);
    } else if (f.hour != 0) {
        text.Field(f.hour, kHour);
    }
    return text.ToText();
}

DateTime TextToDateTime(std::string_view text) {
    // The reader looks at no more than 26 folded bytes (12 digits, five separators of up to two bytes,
    // and the unit after the second), so folding a prefix reads the same as folding the whole text.
    constexpr size_t kReadLimit = 32;
    char folded[kReadLimit + 1];
    const size_t length = FoldInto(UpToZero(text), folded, kReadLimit);
    if (length == 0) return kDateTimeMin;

    FieldReader reader(std::string_view(folded, length));
    const int32_t year = reader.Number(4);
    reader.Separator("/-:.", kYear);
    const int32_t month = reader.Number(2);
    reader.Separator("/-:.", kMonth);
    const int32_t day = reader.Number(2);
    reader.Separator(" /-:.", kDay);
    const int32_t hour = reader.Number(2);
    reader.Separator("/-:.", kHour);
    const int32_t minute = reader.Number(2);
    reader.Separator("/-:.", kMinute);
    const int32_t second = reader.Number(2);
    if (!reader.AtEndOrSecondUnit()) return kDateTimeMin;

    // Every field must already lie in its range: nothing is corrected silently.
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return kDateTimeMin;
    if (hour > 23 || minute > 59 || second > 59) return kDateTimeMin;
    return DateTimeFromFields(year, month, day, hour, minute, second).value_or(kDateTimeMin);
}

}  // namespace core
