// What the fuzz targets share: a private folder for the files they write, and a loud stop.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace typecask::fuzz {

inline QString folder()
{
    static const QTemporaryDir dir;
    return dir.path();
}

// The input as a stored file of that name in folder(); the file's path.
inline QString putFile(const QString& name, const std::uint8_t* data, std::size_t size)
{
    const QString path = folder() + u'/' + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(data),
                                                 static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

} // namespace typecask::fuzz

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)
