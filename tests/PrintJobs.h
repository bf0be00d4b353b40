#pragma once

// The print jobs that the tests' private spooler kept, one data file (the PDF Qt sent) and one
// file of backend arguments each, and the words on their pages.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>
#include <cmath>
#include <vector>

struct PdfWord {
    QString text;
    double x, y;  // top-left corner, in points from the page's top-left corner
};

struct PrintJob {
    QString data;       // path of the job's data
    QString arguments;  // the backend's arguments, one "name=value" a line

    QString Argument(const QString& name) const {
        QFile file(arguments);
        file.open(QIODevice::ReadOnly);
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            if (line.startsWith(name + '=')) return line.mid(name.size() + 1);
        }
        return {};
    }
};

inline QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline std::vector<PdfWord> WordsOf(const QString& pdf) {
    const QString html = RunTool("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

// The words standing in a box of the page given in design units (1/96 inch).
inline QStringList WordsIn(const std::vector<PdfWord>& words, double left, double top, double right,
                           double bottom) {
    QStringList found;
    for (const PdfWord& w : words) {
        if (w.x >= left * 0.75 - 0.5 && w.x < right * 0.75 && w.y >= top * 0.75 - 1 &&
            w.y < bottom * 0.75) {
            found << w.text;
        }
    }
    return found;
}

class JobFolder {
public:
    JobFolder() : m_dir(qEnvironmentVariable("VERTEBRA_TEST_JOBS")) {}

    bool Configured() const { return !m_dir.path().isEmpty() && m_dir.exists(); }

    std::vector<PrintJob> Jobs() const {
        std::vector<PrintJob> jobs;
        const QStringList names = m_dir.entryList({"job-*.args"}, QDir::Files, QDir::Name);
        for (const QString& name : names) {
            const QString stem = name.chopped(5);
            jobs.push_back({m_dir.filePath(stem + ".data"), m_dir.filePath(name)});
        }
        return jobs;
    }

    void Clear() const {
        for (const QString& name : m_dir.entryList({"job-*"}, QDir::Files))
            QFile::remove(m_dir.filePath(name));
    }

    // Waits until `count` jobs are kept, then a little longer for any stray one.
    std::vector<PrintJob> WaitFor(std::size_t count, int timeoutMs = 20000) const {
        (void)QTest::qWaitFor([&] { return Jobs().size() >= count; }, timeoutMs);
        QTest::qWait(500);
        return Jobs();
    }

private:
    QDir m_dir;
};
