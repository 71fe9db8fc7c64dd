#pragma once

#include "engine/random.h"

#include <QString>

#include <vector>

namespace vorlant {

// The picture files of the picture folder, each with a mark telling whether a picture cell
// has taken it. Never empty: without pictures it holds one row with an empty name.
class PictureList
{
public:
    PictureList();

    // Lists the regular files ending in ".jpg" in folder (hidden ones too), in the order the
    // directory lists them, every one free.
    void build(const QString &folder);

    int rowCount() const { return int(m_rows.size()); }
    const QString &fileName(int row) const { return m_rows.at(std::size_t(row)).fileName; }
    // The row's file in the folder the list was built from.
    QString filePath(int row) const { return m_folder + u'/' + fileName(row); }
    bool isTaken(int row) const { return m_rows.at(std::size_t(row)).taken; }

    // A row for the next picture cell. With 16 or more rows a free row, drawn at random and
    // then marked taken, so the sixteen cells differ; with fewer, any row at random.
    int pick(RandomGenerator &random);

private:
    struct Row
    {
        QString fileName;
        bool taken = false;
    };
    QString m_folder;
    std::vector<Row> m_rows;
    int m_freeRows = 1;
};

} // namespace vorlant
