// Fuzz target for the Windows-1251 code page: encoding and decoding take any
// bytes, every byte survives decoding and encoding, and text the code page can
// hold survives encoding and decoding.
#include "common/cp1251.h"
#include "fuzz_require.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hullcalc;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // As Windows-1251 bytes: each has a character, which encodes back to it.
    const std::string decoded = decodeCp1251(input);
    require(encodeCp1251(decoded) == input);

    // As UTF-8 text: at most one byte for each input byte, and a NUL only for a
    // NUL. When encoding put no '?' of its own, every character was taken into
    // the code page, so decoding gives the text back.
    const std::string encoded = encodeCp1251(input);
    require(encoded.size() <= input.size());
    const auto count = [](std::string_view text, char c) { return std::count(text.begin(), text.end(), c); };
    require(count(encoded, '\0') == count(input, '\0'));
    if (count(encoded, '?') == count(input, '?'))
        require(decodeCp1251(encoded) == input);
    return 0;
}
