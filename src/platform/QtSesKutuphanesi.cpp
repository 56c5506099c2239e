#include "platform/QtSesKutuphanesi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

QtSesKutuphanesi::QtSesKutuphanesi(QObject* parent) : QtSesKutuphanesi(VarsayilanOynatici(), parent)
{
}

QtSesKutuphanesi::QtSesKutuphanesi(QString oynatici, QObject* parent)
    : QObject(parent), oynatici_(std::move(oynatici))
{
#ifdef Q_OS_WIN
    // Every player is put into this job; when the program ends, however it ends, Windows
    // closes the job's last handle and ends what runs in it.
    is_ = CreateJobObjectW(nullptr, nullptr);
    if (is_) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION sinir{};
        sinir.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(is_, JobObjectExtendedLimitInformation, &sinir, sizeof sinir);
    }
#endif
}

QtSesKutuphanesi::~QtSesKutuphanesi()
{
    Kapat();
    // The killed players are let go before their process objects go.
    for (QProcess* surec : findChildren<QProcess*>())
        surec->waitForFinished(1000);
#ifdef Q_OS_WIN
    if (is_)
        CloseHandle(is_);
#endif
}

QString QtSesKutuphanesi::VarsayilanOynatici()
{
    const QString program = QCoreApplication::applicationDirPath();
    return QStandardPaths::findExecutable(
        QStringLiteral("orvanel-ses"),
        {program, QDir(program).filePath(QStringLiteral("../" ORVANEL_OYNATICI_KLASORU))});
}

void QtSesKutuphanesi::Ac()
{
    acik_ = true;
}

void QtSesKutuphanesi::Kapat()
{
    while (!calarlar_.empty())
        Birak(calarlar_.begin()->first);
    acik_ = false;
}

int QtSesKutuphanesi::Yukle(const QString& yol)
{
    if (!acik_ || oynatici_.isEmpty() || !QFileInfo(yol).isFile())
        return 0;
    const int h = ++sonTutamac_;
    calarlar_[h].Yol = QFileInfo(yol).absoluteFilePath();
    return h;
}

int QtSesKutuphanesi::Oynat(int ornek)
{
    auto it = calarlar_.find(ornek);
    if (!acik_ || it == calarlar_.end() || it->second.Surec)
        return 0;
    auto* surec = new QProcess(this);
    // Standard input stays an open pipe for the player's life: its end ends the player.
    surec->setStandardOutputFile(QProcess::nullDevice());
    surec->setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_LINUX
    // Killed by the kernel when the program ends. A program that ended between the fork and
    // this call has already handed the player to another parent: then it does not start.
    const pid_t program = getpid();
    surec->setChildProcessModifier([program] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != program)
            _exit(127);
    });
#endif
    // Ended (also killed, crashed or never started): deleted once the system has let it go.
    connect(surec, &QProcess::finished, surec, &QObject::deleteLater);
    connect(surec, &QProcess::errorOccurred, surec, [surec](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            surec->deleteLater();
    });
    surec->start(oynatici_, {it->second.Yol});
#ifdef Q_OS_WIN
    if (is_ && surec->processId() != 0) {
        if (HANDLE h = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE,
                                   static_cast<DWORD>(surec->processId()))) {
            AssignProcessToJobObject(is_, h);
            CloseHandle(h);
        }
    }
#endif
    it->second.Surec = surec;
    it->second.Sure.start();
    return ornek; // one channel per sample: the handles coincide
}

void QtSesKutuphanesi::Durdur(int kanal)
{
    Birak(kanal);
}

qint64 QtSesKutuphanesi::Konum(int kanal) const
{
    auto it = calarlar_.find(kanal);
    if (it == calarlar_.end() || !it->second.Surec ||
        it->second.Surec->state() == QProcess::NotRunning)
        return 0;
    return std::max<qint64>(1, it->second.Sure.elapsed());
}

qint64 QtSesKutuphanesi::OynaticiNo(int kanal) const
{
    return Konum(kanal) != 0 ? calarlar_.at(kanal).Surec->processId() : 0;
}

void QtSesKutuphanesi::Birak(int tutamac)
{
    auto it = calarlar_.find(tutamac);
    if (it == calarlar_.end())
        return;
    // Killed, not asked: the sound stops now. The process object stays until the system has
    // reported the end (finished), so that nothing here waits for it.
    if (QProcess* surec = it->second.Surec; surec && surec->state() != QProcess::NotRunning)
        surec->kill();
    calarlar_.erase(it);
}
