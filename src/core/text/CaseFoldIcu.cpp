#include "CaseFold.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <vector>

namespace kartavel::text {

std::string foldCaseBySystem(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    std::vector<UChar> u16(text.size() + 1);
    int32_t len = 0;
    u_strFromUTF8WithSub(u16.data(), static_cast<int32_t>(u16.size()), &len, text.data(),
                         static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status))
        return std::string(text);
    std::vector<UChar> folded(static_cast<std::size_t>(len) * 3 + 1);
    status = U_ZERO_ERROR;
    const int32_t flen = u_strFoldCase(folded.data(), static_cast<int32_t>(folded.size()),
                                       u16.data(), len, U_FOLD_CASE_EXCLUDE_SPECIAL_I, &status);
    if (U_FAILURE(status))
        return std::string(text);
    std::string out(static_cast<std::size_t>(flen) * 3 + 1, '\0');
    int32_t outLen = 0;
    status = U_ZERO_ERROR;
    u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &outLen, folded.data(), flen,
                &status);
    if (U_FAILURE(status))
        return std::string(text);
    out.resize(static_cast<std::size_t>(outLen));
    return out;
}

} // namespace kartavel::text
