// Another copy of the program saving into a shared folder, for the tests of the windows:
//   vorlant_test_saver <folder> <person> <count> <first number>
// saves count results files of person, all at 9:07 on 5 March 2024, as the program saves
// them; each file's first attempt takes its number as its time, so that the files tell the
// saves apart. Writes "saving" when it begins; ends with status 1 when a save failed.
#include "store/file_io.h"
#include "store/local_time.h"
#include "store/results_file.h"

#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    using namespace vorlant;
    if (argc != 5)
        return 2;
    const std::string folder = argv[1];
    const std::string person = argv[2];
    const int count = std::stoi(argv[3]);
    const int first = std::stoi(argv[4]);
    std::puts("saving");
    std::fflush(stdout);
    int failed = 0;
    for (int n = 0; n < count; ++n) {
        LogRecords log{};
        log[0] = {4, true, first + n};
        const ResultsBlock block = EncodeResults(log);
        const auto name = [&](int copy) {
            return ResultsFileName(person, LocalTime{2024, 3, 5, 9, 7}, copy);
        };
        failed += !WriteNewFile(folder, name,
                                {reinterpret_cast<const char *>(block.data()), block.size()})
                       .has_value();
    }
    return failed == 0 ? 0 : 1;
}
