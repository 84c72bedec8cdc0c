// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"
#include "fields.h"
#include "runtimeerror.h"
#include "settings.h"
#include "spomalenaanimace.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

// Answers each message box as soon as it shows and keeps its text, and whether that is shown as typed (plain).
struct MessageBoxes : QObject
{
    QStringList texts;
    bool allPlain = true;

    MessageBoxes() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            texts << box->text();
            allPlain &= box->textFormat() == Qt::PlainText;
            QTimer::singleShot(0, box, &QMessageBox::accept);
        }
        return false;
    }
};

// The suites never touch the user's settings: each process keeps its own in a file of a folder of its own, from
// before any is read.
inline QString testSettingsFile()
{
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/kestrova-settings-XXXXXX"));
    return folder.filePath(QStringLiteral("Kestrova.conf"));
}
inline const bool settingsOfTheirOwn = [] {
    QStandardPaths::setTestModeEnabled(true);
    settings::useFile(testSettingsFile());
    return true;
}();

// A window as the program shows it, with run-time errors collected instead of reported. Unpaced, a press of
// "Start" records and draws the whole run before it returns; paced, the run plays on the event loop's timer.
struct ShownWindow
{
    bool firstStart = (settings::forgetAll(), true); // nothing remembered from an earlier window
    std::unique_ptr<SpomalenaAnimace> window = std::make_unique<SpomalenaAnimace>();
    std::vector<int> errors;
    MessageBoxes messages;

    explicit ShownWindow(bool paced = false)
    {
        if (!paced)
            window->pacer().setCountDuration(std::chrono::nanoseconds(0));
        setRuntimeErrorHandler([this](const RuntimeError &error) { errors.push_back(error.number()); });
        window->show();
        window->activateWindow();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window.get()); // the run's keys are its shortcuts
    }
    ~ShownWindow() { setRuntimeErrorHandler({}); }

    // Presses "Start" as a user would.
    void start() { QTest::mouseClick(window->cmdStart, Qt::LeftButton); }
    // The run played or playing last.
    const Timeline &run() const { return *window->playback().run(); }

    // Changes the set-up as a teacher would: "field=text" types into a field (by its object name), "cover=N"
    // covers hole N from the menu, "watch" and "compare" toggle F7 and F6, "run" plays a whole run.
    void change(const QString &change)
    {
        const QString what = change.section(u'=', 0, 0), value = change.section(u'=', 1);
        if (what == QLatin1String("run")) {
            start();
            window->playback().finish();
        } else if (what == QLatin1String("compare")) {
            window->commands.compare->trigger();
        } else if (what == QLatin1String("watch")) {
            window->commands.watched->trigger();
        } else if (what == QLatin1String("cover")) {
            window->commands.holes->actions().at(value.toInt() - 1)->trigger();
        } else {
            setFieldText(window->findChild<QLineEdit *>(what), value);
        }
    }

    // Runs the application's event loop as the program does, doing first what is given, and returns its
    // exit status; 99 if it has not ended within ten seconds.
    int exec(const std::function<void()> &first)
    {
        QTimer::singleShot(0, window.get(), first);
        QTimer::singleShot(10000, window.get(), [] { QCoreApplication::exit(99); });
        return QApplication::exec();
    }
};

// The pixels darker than mid-grey, as text and lines are.
inline int darkPixels(const QImage &image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    return dark;
}

// Two arrows of length 20 whose phases differ by Δ add up to a squared length of 800 (1 + cos Δ): the bar of a
// detector row at y for the given parameters, and those of the eleven points, lowest first.
inline double expectedBar(double distance, double frequency, double spacing, double y)
{
    const double upper = std::hypot(distance - 100, 340.5 - spacing / 2 - y);
    const double lower = std::hypot(distance - 100, 340.5 + spacing / 2 - y);
    return 0.1 * 800 * (1 + std::cos(0.15 * frequency * (upper - lower)));
}

inline std::vector<double> expectedBars(double distance, double frequency, double spacing)
{
    std::vector<double> bars;
    for (int point = 0; point <= 10; ++point)
        bars.push_back(expectedBar(distance, frequency, spacing, 500.94 - 40 * point));
    return bars;
}

// The bars with the starting parameters, lowest point first, as tests/bars.txt lists them.
inline std::vector<double> startingBars()
{
    std::vector<double> bars;
    QFile file(QStringLiteral(KESTROVA_BARS));
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray &line : file.readAll().split('\n'))
            if (!line.trimmed().isEmpty() && !line.startsWith('#'))
                bars.push_back(line.toDouble());
    if (bars.size() != 11)
        qFatal("%s holds %zu bars, not 11", KESTROVA_BARS, bars.size());
    return bars;
}

// Root writes anywhere; without these capabilities a folder's permissions bind the test as they bind a teacher.
inline void dropOverridingPermissions()
{
#ifdef Q_OS_LINUX
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return;
    for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        data[capability / 32].effective &= ~(1u << (capability % 32));
        data[capability / 32].permitted &= ~(1u << (capability % 32));
    }
    syscall(SYS_capset, &header, data);
#endif
}

// A fresh folder to save into, for failures: it holds a folder "složka" and a folder "jen-ke-čtení" without write
// permission, which binds this process too once its overriding capabilities are dropped.
struct SaveFolders
{
    QTemporaryDir folder;
    QString readOnly = folder.filePath(QStringLiteral("jen-ke-čtení"));

    SaveFolders()
    {
        QDir(folder.path()).mkdir(QStringLiteral("složka"));
        QDir().mkdir(readOnly);
        QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        dropOverridingPermissions();
    }
    ~SaveFolders() { QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); }
    // Whether this process writes into the folder without write permission all the same.
    bool readOnlyIsWritable() const { return QFile(readOnly + QStringLiteral("/zkouška")).open(QIODevice::WriteOnly); }
    QString path(const QString &where) const { return folder.filePath(where); }
};
