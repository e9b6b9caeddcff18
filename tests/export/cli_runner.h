// Runs typecask-cli (TYPECASK_CLI) and keeps what it wrote.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace typecask::clitest {

struct CliResult
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// fontconfigFile: another font set than the test font set.
inline CliResult runCli(const QStringList& args, const QString& fontconfigFile = {})
{
    QProcess p;
    if (!fontconfigFile.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FONTCONFIG_FILE"), fontconfigFile);
        p.setProcessEnvironment(env);
    }
    p.start(qEnvironmentVariable("TYPECASK_CLI"), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return CliResult{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                     QString::fromUtf8(p.readAllStandardError())};
}

} // namespace typecask::clitest
