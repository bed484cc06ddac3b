// The fenx program run as a desktop would run it, in a folder of its own
// with its own settings folder, for the tests of the whole program.
#pragma once

#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>

#include "support/child_process.h"

#ifndef FENX_PROGRAM_PATH
#error "FENX_PROGRAM_PATH must name the fenx program"
#endif

namespace fenx {

class ProgramRun {
  public:
    explicit ProgramRun(const QByteArray& settings = {}) {
        QDir().mkpath(folder_.path() + "/config/fenx");
        if (!settings.isEmpty()) {
            QFile file(SettingsPath());
            file.open(QIODevice::WriteOnly);
            file.write(settings);
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("SDL_AUDIODRIVER", "dummy");
        environment.insert("XDG_CONFIG_HOME", folder_.path() + "/config");
        environment.insert("XDG_RUNTIME_DIR", folder_.path());
        process_.setProcessEnvironment(environment);
        process_.setWorkingDirectory(folder_.path());
    }
    ~ProgramRun() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    // Runs the program to its end with these arguments.
    bool RanToEnd(const QStringList& arguments) {
        process_.start(QStringLiteral(FENX_PROGRAM_PATH), arguments);
        return process_.waitForFinished(10000) && process_.exitStatus() == QProcess::NormalExit;
    }
    // As on a machine without a desktop session.
    void WithoutDisplay() {
        QProcessEnvironment environment = process_.processEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        process_.setProcessEnvironment(environment);
    }
    bool StartedAndRunning(const QStringList& arguments = {}) {
        process_.start(QStringLiteral(FENX_PROGRAM_PATH), arguments);
        // Give the program time to come up and write its settings.
        return process_.waitForStarted(5000) && !process_.waitForFinished(1500);
    }
    void Send(int signal) { ::kill(static_cast<pid_t>(process_.processId()), signal); }
    bool Finished() { return process_.waitForFinished(5000); }
    QProcess& process() { return process_; }
    QString ConfigPath() const { return folder_.path() + "/config"; }
    QString SettingsPath() const { return folder_.path() + "/config/fenx/fenx.ini"; }
    QByteArray Settings() const {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool HistoryExists() const { return QFile::exists(folder_.path() + "/fenx.log"); }
    QByteArray History() const {
        QFile file(folder_.path() + "/fenx.log");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Changes one variable of the program's environment (an empty value
    // removes it).
    void SetEnvironment(const QString& name, const QString& value) {
        QProcessEnvironment environment = process_.processEnvironment();
        if (value.isEmpty()) {
            environment.remove(name);
        } else {
            environment.insert(name, value);
        }
        process_.setProcessEnvironment(environment);
    }
    // For a program started under a process limit: see
    // testing::OptionsWithoutLeakChecker.
    void WithoutLeakChecker() {
        SetEnvironment(QStringLiteral("ASAN_OPTIONS"),
                       QString::fromStdString(testing::OptionsWithoutLeakChecker()));
    }
    // Runs in the program's process just before it starts: lowered limits.
    void BeforeStart(std::function<void()> modifier) {
        process_.setChildProcessModifier(std::move(modifier));
    }

  private:
    QTemporaryDir folder_;
    QProcess process_;
};

} // namespace fenx
