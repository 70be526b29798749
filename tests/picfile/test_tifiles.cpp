// Files written by this program, read back by the TI calculator file library
// (libtifiles) that TiLP uses to send files to calculators.
#include "picfile/picturewriter.h"
#include "support/imagediff.h"

// The library's headers use C's "restrict", which C++ spells __restrict.
#define restrict __restrict
#include <tifiles.h>
#undef restrict

#include <QTemporaryDir>

TEST(TiFiles, LibraryReadsTheWrittenPictures)
{
    tifiles_library_init();
    QTemporaryDir dir;
    const QImage picture = diagonal(160, 100);
    const struct { int width, height; QString folder, name; } cases[] = {
        {160, 100, "zfig", "fig0003"}, {16, 2, "main", "a"}, {100, 61, "zfig", "photo12"}, {160, 100, "dossier", "Image123"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString path = dir.filePath(c.name + ".89i");
        ASSERT_TRUE(picfile::write(path, picture, QSize(c.width, c.height), c.folder, c.name));
        FileContent *content = tifiles_content_create_regular(CALC_TI92P);
        // On failure the library has already released the content.
        ASSERT_EQ(tifiles_file_read_regular(QFile::encodeName(path).constData(), content), 0);
        ASSERT_TRUE(content->model == CALC_TI92P && content->num_entries == 1u);
        const VarEntry *entry = content->entries[0];
        EXPECT_EQ(entry->type, 0x10); // picture
        EXPECT_EQ(QStringList({entry->folder, entry->name, content->default_folder}), QStringList({c.folder, c.name, c.folder}));
        // The library's variable data runs from the data length to the picture tag.
        const int n = c.height * ((c.width + 7) / 8);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(entry->data), int(entry->size)),
                  picfile::encode(picture, QSize(c.width, c.height), c.folder, c.name).mid(86, n + 7));
        EXPECT_TRUE(content->checksum == content->stored_checksum && tifiles_checksum(entry->data, entry->size) == content->stored_checksum);
        tifiles_content_delete_regular(content);
    }
    tifiles_library_exit();
}
