#include "artwork/zlib_inflate.h"

#include <array>
#include <cstdint>

namespace quorvex::artwork {

namespace {

constexpr int kMaxBits = 15;
constexpr std::size_t kLiteralCodes = 288;
constexpr std::size_t kDistanceCodes = 32;

constexpr std::array<std::uint16_t, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                    15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                    67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra{0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                      4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                      9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order in which a dynamic block sends the code lengths of its code-length code.
constexpr std::array<std::uint8_t, 19> kCodeLengthOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                        11, 4,  12, 3, 13, 2, 14, 1, 15};

// A canonical Huffman code: how many codes of each length, and the symbols in code order.
struct Huffman {
    std::array<std::uint16_t, kMaxBits + 1> count{};
    std::array<std::uint16_t, kLiteralCodes> symbol{};
};

// False for an over-subscribed set of lengths. Incomplete codes are kept: a code that was never
// assigned simply fails to decode.
bool Build(Huffman& code, std::span<const std::uint8_t> lengths) {
    code.count.fill(0);
    for (std::uint8_t length : lengths) ++code.count[length];
    int left = 1;
    for (int length = 1; length <= kMaxBits; ++length) {
        left = left * 2 - code.count[length];
        if (left < 0) return false;
    }
    std::array<std::uint16_t, kMaxBits + 2> offset{};
    for (int length = 1; length <= kMaxBits; ++length)
        offset[length + 1] = static_cast<std::uint16_t>(offset[length] + code.count[length]);
    for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol)
        if (lengths[symbol] != 0)
            code.symbol[offset[lengths[symbol]]++] = static_cast<std::uint16_t>(symbol);
    return true;
}

class Inflater {
  public:
    Inflater(std::span<const std::byte> in, std::vector<std::byte>& out) : in_(in), out_(out) {}

    // The deflate blocks up to the last one; false for anything damaged.
    bool blocks() {
        unsigned last = 0;
        do {
            unsigned type = 0;
            if (!bits(1, last) || !bits(2, type)) return false;
            bool ok = false;
            if (type == 0)
                ok = stored();
            else if (type == 1)
                ok = fixed();
            else if (type == 2)
                ok = dynamic();
            if (!ok) return false;
        } while (last == 0);
        return true;
    }

    // Where the next whole byte starts, the bits of a partly read one dropped.
    std::size_t byteAligned() {
        bitBuffer_ = 0;
        bitCount_ = 0;
        return at_;
    }

    std::size_t written() const { return written_; }

  private:
    bool bits(int need, unsigned& value) {
        while (bitCount_ < need) {
            if (at_ >= in_.size()) return false;
            bitBuffer_ |= std::to_integer<std::uint32_t>(in_[at_++]) << bitCount_;
            bitCount_ += 8;
        }
        value = bitBuffer_ & ((1u << need) - 1u);
        bitBuffer_ >>= need;
        bitCount_ -= need;
        return true;
    }

    bool decode(const Huffman& code, unsigned& symbol) {
        int first = 0;  // the first code of the current length
        int index = 0;  // its place among the symbols
        int value = 0;  // the bits read so far, first bit most significant
        for (int length = 1; length <= kMaxBits; ++length) {
            unsigned bit = 0;
            if (!bits(1, bit)) return false;
            value |= static_cast<int>(bit);
            const int count = code.count[length];
            if (value - first < count) {
                symbol = code.symbol[static_cast<std::size_t>(index + value - first)];
                return true;
            }
            index += count;
            first = (first + count) << 1;
            value <<= 1;
        }
        return false;
    }

    bool put(std::byte b) {
        if (written_ >= out_.size()) return false;
        out_[written_++] = b;
        return true;
    }

    bool stored() {
        byteAligned();
        if (in_.size() - at_ < 4) return false;
        const unsigned length =
            std::to_integer<unsigned>(in_[at_]) | std::to_integer<unsigned>(in_[at_ + 1]) << 8;
        const unsigned complement =
            std::to_integer<unsigned>(in_[at_ + 2]) | std::to_integer<unsigned>(in_[at_ + 3]) << 8;
        at_ += 4;
        if (length != (~complement & 0xFFFFu)) return false;
        if (in_.size() - at_ < length || out_.size() - written_ < length) return false;
        for (unsigned i = 0; i < length; ++i) out_[written_++] = in_[at_++];
        return true;
    }

    bool codes(const Huffman& literals, const Huffman& distances) {
        for (;;) {
            unsigned symbol = 0;
            if (!decode(literals, symbol)) return false;
            if (symbol < 256) {
                if (!put(std::byte(symbol))) return false;
                continue;
            }
            if (symbol == 256) return true;
            symbol -= 257;
            if (symbol >= kLengthBase.size()) return false;
            unsigned extra = 0;
            if (!bits(kLengthExtra[symbol], extra)) return false;
            const std::size_t length = kLengthBase[symbol] + extra;
            if (!decode(distances, symbol) || symbol >= kDistanceBase.size()) return false;
            if (!bits(kDistanceExtra[symbol], extra)) return false;
            const std::size_t distance = kDistanceBase[symbol] + extra;
            if (distance > written_ || out_.size() - written_ < length) return false;
            for (std::size_t i = 0; i < length; ++i, ++written_)
                out_[written_] = out_[written_ - distance];
        }
    }

    bool fixed() {
        static const std::pair<Huffman, Huffman> tables = [] {
            std::array<std::uint8_t, kLiteralCodes> lengths{};
            for (std::size_t i = 0; i < kLiteralCodes; ++i)
                lengths[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
            std::pair<Huffman, Huffman> built;
            Build(built.first, lengths);
            std::array<std::uint8_t, 30> distance{};
            distance.fill(5);
            Build(built.second, distance);
            return built;
        }();
        return codes(tables.first, tables.second);
    }

    bool dynamic() {
        unsigned literalCount = 0, distanceCount = 0, lengthCount = 0;
        if (!bits(5, literalCount) || !bits(5, distanceCount) || !bits(4, lengthCount))
            return false;
        literalCount += 257;
        distanceCount += 1;
        lengthCount += 4;
        if (literalCount > 286 || distanceCount > 30) return false;

        std::array<std::uint8_t, kCodeLengthOrder.size()> codeLengths{};
        for (unsigned i = 0; i < lengthCount; ++i) {
            unsigned length = 0;
            if (!bits(3, length)) return false;
            codeLengths[kCodeLengthOrder[i]] = static_cast<std::uint8_t>(length);
        }
        Huffman lengthCode;
        if (!Build(lengthCode, codeLengths)) return false;

        std::array<std::uint8_t, kLiteralCodes + kDistanceCodes> lengths{};
        const unsigned total = literalCount + distanceCount;
        for (unsigned i = 0; i < total;) {
            unsigned symbol = 0;
            if (!decode(lengthCode, symbol)) return false;
            if (symbol < 16) {
                lengths[i++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            std::uint8_t repeated = 0;
            unsigned times = 0;
            if (symbol == 16) {
                if (i == 0 || !bits(2, times)) return false;
                repeated = lengths[i - 1];
                times += 3;
            } else if (symbol == 17) {
                if (!bits(3, times)) return false;
                times += 3;
            } else {
                if (!bits(7, times)) return false;
                times += 11;
            }
            if (times > total - i) return false;
            while (times-- > 0) lengths[i++] = repeated;
        }
        if (lengths[256] == 0) return false;  // a block must be able to end

        Huffman literals, distances;
        if (!Build(literals, std::span(lengths).first(literalCount)) ||
            !Build(distances, std::span(lengths).subspan(literalCount, distanceCount)))
            return false;
        return codes(literals, distances);
    }

    std::span<const std::byte> in_;
    std::vector<std::byte>& out_;
    std::size_t at_ = 0;
    std::size_t written_ = 0;
    std::uint32_t bitBuffer_ = 0;
    int bitCount_ = 0;
};

std::uint32_t Adler32(std::span<const std::byte> data) {
    constexpr std::uint32_t kBase = 65521;
    std::uint32_t a = 1, b = 0;
    for (std::byte d : data) {
        a = (a + std::to_integer<std::uint32_t>(d)) % kBase;
        b = (b + a) % kBase;
    }
    return b << 16 | a;
}

std::uint32_t BigEndian32(std::span<const std::byte> d) {
    return std::to_integer<std::uint32_t>(d[0]) << 24 | std::to_integer<std::uint32_t>(d[1]) << 16 |
           std::to_integer<std::uint32_t>(d[2]) << 8 | std::to_integer<std::uint32_t>(d[3]);
}

}  // namespace

std::optional<std::vector<std::byte>> InflateZlib(std::span<const std::byte> stream,
                                                  std::size_t size) {
    constexpr std::size_t kHeader = 2, kChecksum = 4;
    if (stream.size() < kHeader + kChecksum) return std::nullopt;
    const auto method = std::to_integer<unsigned>(stream[0]);
    const auto flags = std::to_integer<unsigned>(stream[1]);
    // DEFLATE with a window of at most 32 KiB, a header that checks, no preset dictionary.
    if ((method & 0x0F) != 8 || (method >> 4) > 7 || (method << 8 | flags) % 31 != 0 ||
        (flags & 0x20) != 0)
        return std::nullopt;
    std::vector<std::byte> out(size);
    Inflater inflater(stream.subspan(kHeader), out);
    if (!inflater.blocks() || inflater.written() != size) return std::nullopt;
    const std::size_t end = kHeader + inflater.byteAligned();
    if (stream.size() - end != kChecksum || BigEndian32(stream.subspan(end)) != Adler32(out))
        return std::nullopt;
    return out;
}

std::optional<std::vector<std::byte>> UnpackPicture(std::span<const std::byte> packed) {
    if (packed.size() < 4) return std::nullopt;
    const std::uint32_t size = BigEndian32(packed);
    // DEFLATE expands at most about 1032 to 1: a length no stream of this size could fill is
    // refused before its memory is asked for.
    constexpr std::size_t kMaxExpansion = 1032;
    if (size > kMaxUnpackedPicture || size > (packed.size() - 4) * kMaxExpansion)
        return std::nullopt;
    return InflateZlib(packed.subspan(4), size);
}

}  // namespace quorvex::artwork
