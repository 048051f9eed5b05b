#include "core/decimal_digits.h"

#include <cstring>
#include <vector>

namespace core {
namespace {

// An unsigned integer in base 10^9, least significant limb first: enough to hold m × 2^e or m × 5^e
// exactly for every double, without relying on the C library's formatting.
class BigDecimal {
  public:
    explicit BigDecimal(uint64_t value) {
        do {
            limbs_.push_back(static_cast<uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    // factor < 2^31 keeps limb × factor + carry below 2^63.
    void MultiplyBy(uint32_t factor) {
        uint64_t carry = 0;
        for (uint32_t& limb : limbs_) {
            const uint64_t product = uint64_t{limb} * factor + carry;
            limb = static_cast<uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    void MultiplyByPower(uint32_t base, uint32_t chunk, int32_t chunkExponent, int32_t exponent) {
        for (; exponent >= chunkExponent; exponent -= chunkExponent) MultiplyBy(chunk);
        for (; exponent > 0; --exponent) MultiplyBy(base);
    }

    std::string ToDigits() const {
        std::string text = std::to_string(limbs_.back());
        for (size_t i = limbs_.size() - 1; i-- > 0;) {
            const std::string limb = std::to_string(limbs_[i]);
            text.append(9 - limb.size(), '0');
            text += limb;
        }
        return text;
    }

  private:
    static constexpr uint64_t kBase = 1000000000;
    std::vector<uint32_t> limbs_;
};

}  // namespace

DecimalDigits ExactDecimalDigits(double magnitude) {
    uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const auto biasedExponent = static_cast<int32_t>((bits >> 52) & 0x7FF);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    int32_t binaryExponent = -1074;  // value = mantissa × 2^binaryExponent
    if (biasedExponent != 0) {
        mantissa |= uint64_t{1} << 52;
        binaryExponent = biasedExponent - 1075;
    }
    while ((mantissa & 1) == 0 && binaryExponent < 0) {
        mantissa >>= 1;
        ++binaryExponent;
    }

    BigDecimal number(mantissa);
    int32_t decimalShift = 0;  // value = number × 10^decimalShift
    if (binaryExponent >= 0) {
        number.MultiplyByPower(2, uint32_t{1} << 30, 30, binaryExponent);
    } else {
        // m × 2^-k = m × 5^k × 10^-k
        number.MultiplyByPower(5, 1220703125u, 13, -binaryExponent);
        decimalShift = binaryExponent;
    }

    DecimalDigits result;
    result.digits = number.ToDigits();
    const size_t significant = result.digits.find_last_not_of('0') + 1;
    decimalShift += static_cast<int32_t>(result.digits.size() - significant);
    result.digits.resize(significant);
    result.exponent = decimalShift + static_cast<int32_t>(result.digits.size()) - 1;
    return result;
}

void RoundToSignificantDigits(DecimalDigits& number, size_t count) {
    std::string& digits = number.digits;
    if (digits.size() <= count) {
        digits.append(count - digits.size(), '0');
        return;
    }
    const bool roundUp = digits[count] >= '5';
    digits.resize(count);
    if (!roundUp) return;
    for (size_t i = count; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');  // every digit was 9
    digits.pop_back();
    ++number.exponent;
}

}  // namespace core
