// tessary-mkdb SCHEMA.sql OUT.mdb: makes the empty database beside the program. A database
// that exists already holds the user's data, so it is left alone without a word.

#include "platform/Database.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tessary-mkdb SCHEMA.sql OUT.mdb\n");
        return 2;
    }
    const QString schemaPath = QString::fromLocal8Bit(argv[1]);
    const QString outPath = QString::fromLocal8Bit(argv[2]);
    const QFileInfo out(outPath);
    if (out.exists() || out.isSymLink())
        return 0;
    QFile schema(schemaPath);
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tessary-mkdb: cannot read %s\n", qPrintable(schemaPath));
        return 1;
    }
    try {
        platform::db::createDatabase(outPath, QString::fromUtf8(schema.readAll()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tessary-mkdb: %s: %s\n", qPrintable(outPath), error.what());
        return 1;
    }
    return 0;
}
