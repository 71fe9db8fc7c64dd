#include "board/picture_list.h"

#include <QDir>

namespace vorlant {

namespace {
constexpr int kDistinctPictures = 16; // one for each picture cell
}

PictureList::PictureList() : m_rows(1) {}

void PictureList::build(const QString &folder)
{
    m_folder = folder;
    m_rows.clear();
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.jpg")},
                                                     QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QString &name : names)
        m_rows.push_back({name, false});
    if (m_rows.empty())
        m_rows.emplace_back();
    m_freeRows = rowCount();
}

int PictureList::pick(RandomGenerator &random)
{
    const int rows = rowCount();
    if (rows < kDistinctPictures || m_freeRows == 0) // no free row left: repeat rather than hang
        return UniformInt(random, 0, rows - 1);
    for (;;) {
        const int row = UniformInt(random, 0, rows - 1);
        if (!m_rows[std::size_t(row)].taken) {
            m_rows[std::size_t(row)].taken = true;
            --m_freeRows;
            return row;
        }
    }
}

} // namespace vorlant
