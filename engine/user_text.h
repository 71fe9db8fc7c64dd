#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a literal for the translation tools, which read the sources and know this name (the
// build tells them); the literal itself stays as it is. Texts shown through a MessageSink use
// the context "Messages", in which the windows translate them.
#define VORLANT_TRANSLATE_NOOP(context, text) text

namespace vorlant {

// A text for the user: its wording in the program's own language, in which %1 to %9 stand for
// values put into it (paths, system errors), and those values. Whoever shows it may translate
// the wording first and then fills the values in, so a value is never taken for wording.
class UserText
{
public:
    UserText(const char *wording) : wording_(wording) {}
    UserText(std::string wording) : wording_(std::move(wording)) {}
    UserText(std::string wording, std::vector<std::string> values)
        : wording_(std::move(wording)), values_(std::move(values))
    {}

    const std::string &wording() const { return wording_; }
    const std::vector<std::string> &values() const { return values_; }
    // Adds line below the text, on a line of its own (a reason, where a file went); it is
    // translated and filled on its own.
    UserText &AddLine(UserText line)
    {
        lines_.push_back(std::move(line));
        return *this;
    }
    const std::vector<UserText> &lines() const { return lines_; }
    // The wording with the values in place, then each line below it, as the program's own
    // language shows them.
    std::string filled() const;

    // Replaces every %1 to %9 of wording that names a value; other text, the values' own
    // "%" included, stays as it is.
    static std::string Fill(std::string_view wording, const std::vector<std::string> &values);

private:
    std::string wording_;
    std::vector<std::string> values_;
    std::vector<UserText> lines_;
};

} // namespace vorlant
