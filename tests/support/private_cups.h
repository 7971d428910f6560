// A print system of the test's own: cupsd (Debian's cups-daemon) on a socket
// in a temporary folder, with queues whose jobs land as files in a folder of
// that temporary folder, and lpadmin, cupsreject and friends (cups-client)
// to set the queues up. The process's CUPS calls (Qt's printers included) go
// to it once it has started; the machine's own print system is not touched.
#pragma once

#include <cups/cups.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include "support/child_process.h"

namespace parvix::testing {

class PrivateCups {
 public:
  // Starts cupsd; check ok() (and error()).
  PrivateCups() {
    const QString root = folder_.path();
    for (const char* sub : {"spool", "cache", "state", "tmp", "log", "ppd", "jobs", "bin/backend"})
      QDir(root).mkpath(sub);
    QFile::link("/usr/lib/cups/daemon", path("bin/daemon"));
    Write("cupsd.conf",
          "Listen " + socket() +
              "\nLogLevel warn\nDefaultAuthType None\nWebInterface No\n"
              "Browsing No\n<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n"
              "<Location />\nOrder allow,deny\nAllow all\n</Location>\n");
    QString files;
    for (const char* key : {"RequestRoot spool", "CacheDir cache", "StateDir state", "TempDir tmp",
                            "AccessLog log/access_log", "ErrorLog log/error_log",
                            "PageLog log/page_log", "ServerBin bin", "Printcap printcap"}) {
      const QStringList parts = QString(key).split(' ');
      files += parts[0] + " " + path(parts[1]) + "\n";
    }
    Write("cups-files.conf", "ServerRoot " + root + "\n" + files + "DataDir /usr/share/cups\n");
    // The device: writes each job's document into the folder its URI names.
    // Only its owner may run it, so cupsd runs it as root, who may write there.
    Write("bin/backend/capture",
          "#!/bin/sh\n"
          "[ $# -eq 0 ] && { echo 'direct capture \"Unknown\" \"Capture\"'; exit 0; }\n"
          "if [ -n \"$6\" ]; then cat \"$6\"; else cat; fi > "
          "\"${DEVICE_URI#capture:}/job-$1.pdf\"\n");
    QFile::setPermissions(path("bin/backend/capture"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    cupsd_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    EndWithTheTest(cupsd_);
    cupsd_.start("/usr/sbin/cupsd",
                 {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
    if (!cupsd_.waitForStarted(5000)) {
      error_ = "cupsd did not start (tools/setup.sh test installs cups-daemon)";
      return;
    }
    for (int i = 0; i < 250 && !QFileInfo::exists(socket()); ++i) QThread::msleep(20);
    if (!QFileInfo::exists(socket())) {
      error_ = "cupsd did not open its socket: " + Log();
      return;
    }
    qputenv("CUPS_SERVER", socket().toLocal8Bit());
    cupsSetServer(socket().toLocal8Bit().constData());
    ok_ = true;
  }
  ~PrivateCups() {
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(3000)) cupsd_.kill();
    cupsd_.waitForFinished(1000);
    qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
  }

  bool ok() const { return ok_; }
  const QString& error() const { return error_; }

  // Adds the default queue `name`, set to `paper` ("Letter" or "A4"), its
  // jobs landing in jobs(). An empty result, or what went wrong.
  QString AddDefaultQueue(const QString& name, const QString& paper) {
    Write("ppd/" + name + ".ppd", Ppd(paper));
    QString out = Admin("lpadmin", {"-p", name, "-E", "-v", "capture:" + jobs(), "-P",
                                    path("ppd/" + name + ".ppd")});
    return out + Admin("lpadmin", {"-d", name});
  }
  // Runs a CUPS command (lpadmin, cupsreject, ...) against this print
  // system: what went wrong, or nothing.
  QString Admin(const QString& program, const QStringList& arguments) const {
    QProcess p;
    if (!Run(p, program, arguments)) {
      return program + " did not run (tools/setup.sh test installs cups-client)";
    }
    return p.exitCode() == 0 ? QString() : program + ": " + p.readAllStandardError();
  }

  // The folder the queues' jobs land in, one job-N.pdf each.
  QString jobs() const { return path("jobs"); }
  QStringList JobFiles() const { return QDir(jobs()).entryList(QDir::Files, QDir::Name); }
  // How many jobs the print system has taken so far, printed or not.
  int JobsTaken() const {
    QProcess p;
    if (!Run(p, "lpstat", {"-W", "all", "-o"})) return -1;
    return QString::fromUtf8(p.readAllStandardOutput()).count('\n');
  }
  QString Log() const {
    QFile log(path("log/error_log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
  }

 private:
  QString path(const QString& name) const { return folder_.filePath(name); }
  QString socket() const { return path("cups.sock"); }
  void Write(const QString& name, const QString& text) {
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text.toUtf8());
  }
  bool Run(QProcess& p, const QString& program, const QStringList& arguments) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CUPS_SERVER", socket());
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit;
  }
  // A printer that takes PDF as it is, on Letter or A4 paper.
  static QString Ppd(const QString& paper) {
    QString ppd =
        "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
        "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n*PCFileName: \"CAPTURE.PPD\"\n"
        "*Manufacturer: \"Test\"\n*Product: \"(Capture)\"\n*ModelName: \"Capture\"\n"
        "*ShortNickName: \"Capture\"\n*NickName: \"Capture\"\n*PSVersion: \"(3010.000) 0\"\n"
        "*LanguageLevel: \"3\"\n*ColorDevice: False\n*DefaultColorSpace: Gray\n"
        "*FileSystem: False\n*Throughput: \"1\"\n*LandscapeOrientation: Plus90\n"
        "*TTRasterizer: Type42\n*cupsFilter: \"application/pdf 0 -\"\n";
    for (const char* option : {"PageSize", "PageRegion"}) {
      ppd += QString(
                 "*OpenUI *%1: PickOne\n*OrderDependency: 10 AnySetup *%1\n"
                 "*Default%1: %2\n"
                 "*%1 Letter/US Letter: \"<</PageSize[612 792]>>setpagedevice\"\n"
                 "*%1 A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n*CloseUI: *%1\n")
                 .arg(option, paper);
    }
    ppd += "*DefaultImageableArea: " + paper +
           "\n*ImageableArea Letter/US Letter: \"18 18 594 774\"\n"
           "*ImageableArea A4/A4: \"18 18 577 824\"\n*DefaultPaperDimension: " +
           paper +
           "\n*PaperDimension Letter/US Letter: \"612 792\"\n*PaperDimension A4/A4: \"595 842\"\n";
    return ppd;
  }

  QTemporaryDir folder_;
  QProcess cupsd_;
  bool ok_ = false;
  QString error_;
};

}  // namespace parvix::testing
