#include "tools/console/Utf8.h"

#include <iconv.h>

namespace {

std::string convert(const char* to, const char* from, std::string_view text)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::string(text);
    std::string input(text);
    std::string output(input.size() * 3 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    while (inLeft > 0) {
        if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            // Keep going past a byte the converter does not know.
            *out++ = '?';
            --outLeft;
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace

std::string toUtf8(std::string_view cp932)
{
    return convert("UTF-8", "CP932", cp932);
}

std::string fromUtf8(std::string_view utf8)
{
    return convert("CP932", "UTF-8", utf8);
}
