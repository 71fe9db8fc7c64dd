#include "store/failure_reason.h"

#include <cerrno>
#include <string>

namespace vorlant {
namespace {

class FileFaultCategory : public std::error_category
{
public:
    const char *name() const noexcept override { return "vorlant-file"; }
    std::string message(int fault) const override
    {
        return FileFault(fault) == FileFault::NotARegularFile ? "not a regular file"
                                                              : "shorter than a results file";
    }
};

const FileFaultCategory kFileFaults;

// A full quota is the user's full disk; the standard names no condition for it.
bool IsQuotaExceeded(std::error_code error)
{
    return error.value() == EDQUOT && (error.category() == std::generic_category() ||
                                       error.category() == std::system_category());
}

} // namespace

std::error_code make_error_code(FileFault fault)
{
    return {static_cast<int>(fault), kFileFaults};
}

UserText FailureReason(std::error_code error)
{
    if (error == FileFault::NotARegularFile)
        return VORLANT_TRANSLATE_NOOP("Messages", "Není to obyčejný soubor.");
    if (error == FileFault::ShorterThanResults)
        return VORLANT_TRANSLATE_NOOP("Messages", "Soubor je kratší než výsledky testu.");
    if (error == std::errc::no_space_on_device || IsQuotaExceeded(error))
        return VORLANT_TRANSLATE_NOOP("Messages", "Na disku není dost místa.");
    if (error == std::errc::read_only_file_system)
        return VORLANT_TRANSLATE_NOOP("Messages", "Disk je jen pro čtení.");
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return VORLANT_TRANSLATE_NOOP("Messages", "Přístup byl odepřen.");
    if (error == std::errc::no_such_file_or_directory)
        return VORLANT_TRANSLATE_NOOP("Messages", "Složka nebo soubor neexistuje.");
    if (error == std::errc::not_a_directory)
        return VORLANT_TRANSLATE_NOOP("Messages", "Část cesty není složka.");
    if (error == std::errc::is_a_directory)
        return VORLANT_TRANSLATE_NOOP("Messages", "Na tom místě je složka.");
    if (error == std::errc::filename_too_long)
        return VORLANT_TRANSLATE_NOOP("Messages", "Název je příliš dlouhý.");
    if (error == std::errc::io_error)
        return VORLANT_TRANSLATE_NOOP("Messages", "Při čtení nebo zápisu na disk nastala chyba.");
    return {VORLANT_TRANSLATE_NOOP("Messages", "Chyba systému: %1."), {error.message()}};
}

} // namespace vorlant
