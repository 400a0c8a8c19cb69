// quillor-tally: compresses and decompresses files with the tally file's coder, and
// prints a tally file as a table.
//
//   quillor-tally compress [--good] IN OUT   writes the fast container (or the good one)
//   quillor-tally decompress IN OUT          reads either container
//   quillor-tally show FILE                  prints the record in a tally file
//
// On failure the coder's message goes to stderr, the exit status is 1, and no OUT
// file is left behind. Wrong arguments print the usage and exit with status 2.
#include "tally/LzError.h"
#include "tally/Lzrw1.h"
#include "tally/TallyFile.h"
#include "tally/TallyTable.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

int usage()
{
    std::fputs("usage: quillor-tally compress [--good] IN OUT\n"
               "       quillor-tally decompress IN OUT\n"
               "       quillor-tally show FILE\n",
               stderr);
    return 2;
}

int failure(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

// Prints the record in a tally file. The file is decoded in memory and the table
// written through one buffer.
int show(const QString& path)
{
    try {
        bool written = true;
        writeTallyTable(TallyFile(path).read(), [&written](QByteArrayView piece) {
            written = written && std::fwrite(piece.data(), 1, std::size_t(piece.size()), stdout) == std::size_t(piece.size());
        });
        if (!written || std::fflush(stdout) != 0)
            return failure(QStringLiteral("quillor-tally: cannot write the table"));
        return 0;
    } catch (const TallyFileError& e) {
        return failure(e.message());
    } catch (const std::exception& e) {
        return failure(QStringLiteral("quillor-tally: ") + QString::fromLocal8Bit(e.what()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    // `show` needs no application object, which would only add to its start-up.
    if (argc == 3 && std::strcmp(argv[1], "show") == 0)
        return show(QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();

    try {
        const bool good = command == QLatin1String("compress") && !args.isEmpty()
            && args.first() == QLatin1String("--good");
        if (good)
            args.removeFirst();
        if ((command != QLatin1String("compress") && command != QLatin1String("decompress")) || args.size() != 2)
            return usage();

        Tlzrw1 coder;
        coder.setInputFile(args[0]);
        coder.setOutputFile(args[1]);
        coder.setCompressMode(good ? TCompressMode::Good : TCompressMode::Fast);
        if (command == QLatin1String("compress"))
            coder.Compress();
        else
            coder.Decompress();
        return 0;
    } catch (const LzError& e) {
        return failure(e.message());
    } catch (const TallyFileError& e) {
        return failure(e.message());
    } catch (const std::exception& e) {
        // Out of memory, say: still a message and status 1, and the temporary
        // folders are removed on the way out.
        return failure(QStringLiteral("quillor-tally: ") + QString::fromLocal8Bit(e.what()));
    }
}
