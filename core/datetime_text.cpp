#include "core/datetime_text.h"

#include "core/convert.h"

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

// Walks a folded text field by field. Every step stays on a character boundary: it passes one ASCII
// byte or one whole unit character, and stops at anything else.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // A run of at most maxDigits ASCII digits; no digit reads as 0.
    int32_t Number(int maxDigits) {
        int32_t value = 0;
        for (int i = 0; i < maxDigits && pos_ < text_.size() && IsDigit(text_[pos_]); ++i, ++pos_)
            value = value * 10 + (text_[pos_] - '0');
        return value;
    }

    // Passes one separator from the set or the unit character, when it is there.
    void Separator(std::string_view bytes, std::string_view unit) {
        if (pos_ >= text_.size()) return;
        if (bytes.find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        } else if (text_.substr(pos_, unit.size()) == unit) {
            pos_ += unit.size();
        }
    }

    // After the second: the end of the text, or the second's unit followed by anything.
    bool AtEndOrSecondUnit() const {
        return pos_ == text_.size() || text_.substr(pos_, kSecond.size()) == kSecond;
    }

  private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    std::string_view text_;
    size_t pos_ = 0;
};

void AppendField(Text& text, int32_t value, std::string_view unit) {
    text += IntToText(value);
    text += unit;
}

}  // namespace

Text FoldFullWidth(std::string_view text) {
    text = UpToZero(text);
    Text folded;
    folded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            folded += text[i];
            continue;
        }
        if (i + 1 == text.size()) break;  // a lead byte without its trail byte is dropped
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (const char ascii = FoldPair(lead, trail)) {
            folded += ascii;
        } else {
            folded.append(text, i, 2);
        }
        ++i;
    }
    return folded;
}

Text DateTimeToText(DateTime value) {
    const DateTimeFields f = FieldsOf(value);
    Text text;
    AppendField(text, f.year, kYear);
    AppendField(text, f.month, kMonth);
    AppendField(text, f.day, kDay);
    // Trailing zero time fields are left out; midnight is the date alone.
    if (f.second != 0) {
        AppendField(text, f.hour, kHour);
        AppendField(text, f.minute, kMinute);
        AppendField(text, f.second, kSecond);
    } else if (f.minute != 0) {
        AppendField(text, f.hour, kHour);
        AppendField(text, f.minute, kMinute);
    } else if (f.hour != 0) {
        AppendField(text, f.hour, kHour);
    }
    return text;
}

DateTime TextToDateTime(std::string_view text) {
    const Text folded = FoldFullWidth(text);
    if (folded.empty()) return kDateTimeMin;

    FieldReader reader(folded);
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
