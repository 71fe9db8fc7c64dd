#include "engine/user_text.h"

namespace vorlant {

std::string UserText::filled() const
{
    std::string text = Fill(wording_, values_);
    for (const UserText &line : lines_)
        text += '\n' + line.filled();
    return text;
}

std::string UserText::Fill(std::string_view wording, const std::vector<std::string> &values)
{
    std::string filled;
    filled.reserve(wording.size());
    for (std::size_t i = 0; i < wording.size(); ++i) {
        const bool marker = wording[i] == '%' && i + 1 < wording.size() && wording[i + 1] >= '1' &&
                            wording[i + 1] <= '9';
        const std::size_t index = marker ? std::size_t(wording[i + 1] - '1') : 0;
        if (marker && index < values.size()) {
            filled += values[index];
            ++i;
        } else {
            filled += wording[i];
        }
    }
    return filled;
}

} // namespace vorlant
