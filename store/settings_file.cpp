#include "store/settings_file.h"

#include "store/file_io.h"

namespace vorlant {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The first limit code points of text; a UTF-8 sequence is never cut.
std::string_view FirstCharacters(std::string_view text, std::size_t limit)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == limit)
            return text.substr(0, i);
    }
    return text;
}

// Where a key stands in a text, or where one would be added.
struct IniLocation
{
    bool keyFound = false;
    std::size_t keyBegin = 0; // the key's line, without its line ending
    std::size_t keyEnd = 0;
    std::string_view value; // trimmed, not yet limited
    bool sectionFound = false;
    std::size_t insertAt = 0; // just past the last non-blank line of the first such section
    std::string_view lineEnding = "\n";
};

IniLocation Locate(std::string_view content, std::string_view section, std::string_view key)
{
    IniLocation found;
    bool lineEndingSeen = false;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t begin = 0; begin < content.size();) {
        const std::size_t newline = content.find('\n', begin);
        const std::size_t end = newline == std::string_view::npos ? content.size() : newline;
        const std::size_t next = newline == std::string_view::npos ? end : newline + 1;
        std::string_view line = content.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!lineEndingSeen && newline != std::string_view::npos) {
            lineEndingSeen = true;
            found.lineEnding = line.size() < end - begin ? "\r\n" : "\n";
        }
        if (begin == 0 && line.starts_with(kByteOrderMark))
            line.remove_prefix(kByteOrderMark.size());
        const std::size_t lineBegin = begin;
        begin = next;

        const std::string_view text = Trim(line);
        const std::size_t close = text.find(']');
        if (text.starts_with('[') && close != std::string_view::npos) {
            inSection = SameIgnoringCase(Trim(text.substr(1, close - 1)), section);
            inFirstSection = inSection && !found.sectionFound;
            if (inFirstSection) {
                found.sectionFound = true;
                found.insertAt = next;
            }
            continue;
        }
        if (!inSection || text.empty())
            continue;
        if (inFirstSection)
            found.insertAt = next;
        if (text.starts_with(';') || text.starts_with('#'))
            continue;
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos ||
            !SameIgnoringCase(Trim(text.substr(0, equals)), key))
            continue;
        found.keyFound = true;
        found.keyBegin = lineBegin;
        found.keyEnd = lineBegin + line.size();
        found.value = Trim(text.substr(equals + 1));
        break;
    }
    return found;
}

} // namespace

std::optional<std::string> FindIniValue(std::string_view content, std::string_view section,
                                        std::string_view key)
{
    const IniLocation found = Locate(content, section, key);
    if (!found.keyFound)
        return std::nullopt;
    return std::string(FirstCharacters(found.value, kIniValueLimit));
}

std::optional<std::string> SetIniValue(std::string_view content, std::string_view section,
                                       std::string_view key, std::string_view value)
{
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        return std::nullopt;
    const IniLocation found = Locate(content, section, key);
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    std::string updated;
    if (found.keyFound) {
        updated.append(content.substr(0, found.keyBegin));
        updated.append(keyLine);
        updated.append(content.substr(found.keyEnd));
        return updated;
    }
    const std::size_t insertAt = found.sectionFound ? found.insertAt : content.size();
    updated.append(content.substr(0, insertAt));
    // The line before the new ones may be the last of the file, without a line ending.
    if (!updated.empty() && updated.back() != '\n')
        updated.append(found.lineEnding);
    if (!found.sectionFound)
        updated.append("[").append(section).append("]").append(found.lineEnding);
    updated.append(keyLine).append(found.lineEnding);
    updated.append(content.substr(insertAt));
    return updated;
}

std::string ReadIniString(const std::string &path, std::string_view section, std::string_view key,
                          const std::string &fallback)
{
    std::error_code error;
    const std::optional<std::string> content = ReadWholeFile(path, error);
    if (!content)
        return fallback;
    return FindIniValue(*content, section, key).value_or(fallback);
}

bool WriteIniString(const std::string &path, std::string_view section, std::string_view key,
                    std::string_view value)
{
    std::error_code ignored;
    return WriteIniString(path, section, key, value, ignored);
}

bool WriteIniString(const std::string &path, std::string_view section, std::string_view key,
                    std::string_view value, std::error_code &error)
{
    std::optional<std::string> content = ReadWholeFile(path, error);
    // A file that exists but cannot be read must not be replaced by one without its lines.
    if (!content && error != std::errc::no_such_file_or_directory)
        return false;
    error.clear();
    const std::optional<std::string> updated =
        SetIniValue(content.value_or(std::string()), section, key, value);
    return updated && ReplaceFileAtomically(path, *updated, error);
}

} // namespace vorlant
