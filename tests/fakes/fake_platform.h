// Desktop services that record what the program asked of them.
#pragma once

#include "core/platform.h"

#include <QStringList>
#include <vector>

namespace typecask::fakes {

class FakeClipboard final : public Clipboard
{
public:
    void set(const ClipboardContent& c) override
    {
        content = c;
        ++sets;
    }
    QString text() const override { return content.text; }
    bool hasText() const override { return sets > 0; }
    bool hasRtf() const override { return !content.rtf.isEmpty(); }
    ClipboardContent content;
    int sets = 0;
};

class FakeShell final : public Shell
{
public:
    void open(const QString& p) override { opened.append(p); }
    QStringList opened;
};

class FakeMessageBox final : public MessageBox
{
public:
    void warning(const QString& t) override { messages.append(t); }
    QStringList messages;
};

class FakeFileDialog final : public FileDialog
{
public:
    QString openHtmlFile() override { return answers.isEmpty() ? QString() : answers.takeFirst(); }
    QStringList answers;
};

class FakeRandom final : public RandomSource
{
public:
    double next() override
    {
        if (values.empty())
            return 0.0;
        const double v = values[pos % values.size()];
        ++pos;
        return v;
    }
    void reseedFromClock() override { ++reseeds; }
    std::vector<double> values;
    size_t pos = 0;
    int reseeds = 0;
};

} // namespace typecask::fakes
