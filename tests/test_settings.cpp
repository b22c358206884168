#include "base/AppFolder.h"
#include "base/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_file;

    QByteArray contents() const {
        QFile f(m_file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void setContents(const QByteArray& bytes) const {
        QFile f(m_file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private Q_SLOTS:
    void init() {
        m_file = settingsFile(m_dir.path());
        QFile::remove(m_file);
    }

    void missingFileReadsEmptyAndIsNotCreated() {
        // Guards against a read creating settings.dat or yielding a non-empty default.
        QCOMPARE(readSetting(m_file, QStringLiteral("set"), QStringLiteral("filename")), QString());
        QVERIFY(!QFile::exists(m_file));
    }

    void writeCreatesSectionAndKeysMatchCaseInsensitively() {
        // Guards against duplicate sections/keys when names differ only in case.
        writeSetting(m_file, QStringLiteral("set"), QStringLiteral("filename"), QStringLiteral("Take"));
        writeSetting(m_file, QStringLiteral("SET"), QStringLiteral("FileName"), QStringLiteral("Take2"));
        writeSetting(m_file, QStringLiteral("wav"), QStringLiteral("Freq"), QStringLiteral("8000"));
        QCOMPARE(readSetting(m_file, QStringLiteral("Set"), QStringLiteral("FILENAME")),
                 QStringLiteral("Take2"));
        QCOMPARE(readSetting(m_file, QStringLiteral("wav"), QStringLiteral("freq")), QStringLiteral("8000"));
        QCOMPARE(contents().count("[set]"), 1);
        QCOMPARE(contents().toLower().count("filename="), 1);
    }

    void valueLengthAndTrimming_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("127 chars survive") << QString(127, u'a') << QString(127, u'a');
        QTest::newRow("200 chars read as 127")
            << QString(100, u'a') + QString(100, u'b') << QString(100, u'a') + QString(27, u'b');
        QTest::newRow("blanks around are lost") << QStringLiteral(" C:/rec ") << QStringLiteral("C:/rec");
        QTest::newRow("only blanks read empty") << QStringLiteral("   ") << QString();
        QTest::newRow("unicode") << QStringLiteral("Запись ß") << QStringLiteral("Запись ß");
    }
    void valueLengthAndTrimming() {
        // Guards against the fixed-buffer rules drifting: 127 exact, longer cut, spaces trimmed.
        QFETCH(QString, written);
        QFETCH(QString, read);
        writeSetting(m_file, QStringLiteral("set"), QStringLiteral("filename"), written);
        QCOMPARE(readSetting(m_file, QStringLiteral("set"), QStringLiteral("filename")), read);
    }

    void longValueIsStoredAsItsFirst128() {
        // Guards against storing more (or less) than a 128-character buffer holds.
        writeSetting(m_file, QStringLiteral("set"), QStringLiteral("filename"), QString(200, u'x'));
        QVERIFY(contents().contains("filename=" + QByteArray(128, 'x') + "\n"));
        QVERIFY(!contents().contains(QByteArray(129, 'x')));
    }

    void foreignLinesAndOrderAreKept() {
        // Guards against a write dropping comments, other sections or reordering lines.
        setContents("; comment\r\n[other]\r\nkey=1\r\nnot a key line\r\n\r\n[set]\r\nfilename=a\r\n");
        writeSetting(m_file, QStringLiteral("set"), QStringLiteral("filename"), QStringLiteral("b"));
        writeSetting(m_file, QStringLiteral("other"), QStringLiteral("new"), QStringLiteral("2"));
        QCOMPARE(contents(),
                 QByteArray("; comment\n[other]\nkey=1\nnot a key line\nnew=2\n\n[set]\nfilename=b\n"));
    }

    void brokenFilesNeverCrashAndStillWork_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(static_cast<char>((i * 7919) & 0xff));
        QTest::newRow("garbage") << QByteArray("]]][[[==\n=\n[\n[set\nset]\n=value\n\xff\xfe");
        QTest::newRow("binary") << binary;
        QTest::newRow("10000-char lines")
            << QByteArray("[set]\nfilename=" + QByteArray(10000, 'n') + "\n" + QByteArray(10000, '=') +
                          "\n[" + QByteArray(10000, 's') + "]\n");
    }
    void brokenFilesNeverCrashAndStillWork() {
        // Guards against a corrupt settings.dat crashing start-up or blocking later writes.
        QFETCH(QByteArray, bytes);
        setContents(bytes);
        const QString v = readSetting(m_file, QStringLiteral("set"), QStringLiteral("filename"));
        QVERIFY(v.size() <= 127);
        writeSetting(m_file, QStringLiteral("set"), QStringLiteral("datetime"), QStringLiteral("0"));
        QCOMPARE(readSetting(m_file, QStringLiteral("set"), QStringLiteral("datetime")), QStringLiteral("0"));
    }

    void failedWriteLeavesOldFileIntact() {
        // Guards against a half-written settings.dat when the folder cannot be written.
        writeSetting(m_file, QStringLiteral("set"), QStringLiteral("filename"), QStringLiteral("keep"));
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFile f(m_dir.path() + QStringLiteral("/probe")); f.open(QIODevice::WriteOnly)) {
            f.remove();
            QFile::setPermissions(m_dir.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("running with rights that ignore folder permissions");
        }
        writeSetting(m_file, QStringLiteral("set"), QStringLiteral("filename"), QStringLiteral("lost"));
        QFile::setPermissions(m_dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(readSetting(m_file, QStringLiteral("set"), QStringLiteral("filename")),
                 QStringLiteral("keep"));
    }

    void appFolderChoice() {
        // Guards against --app-dir losing to the environment or the executable's folder.
        qputenv("TAVRIK_APP_DIR", "/tmp/from-env");
        QCOMPARE(resolveAppFolder(
                     {QStringLiteral("tavrik"), QStringLiteral("--app-dir"), QStringLiteral("/tmp/arg")},
                     m_dir.path()),
                 QStringLiteral("/tmp/arg"));
        QCOMPARE(resolveAppFolder({QStringLiteral("tavrik")}, m_dir.path()), QStringLiteral("/tmp/from-env"));
        qunsetenv("TAVRIK_APP_DIR");
        QCOMPARE(resolveAppFolder({QStringLiteral("tavrik")}, m_dir.path()), m_dir.path());
    }

    void installedCopyKeepsItsFilesInTheDataFolder() {
        // Guards against an installed tavrik run by root writing settings.dat into /usr/bin.
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/tavrik")));
        QTemporaryDir data;
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const QString chosen =
            resolveAppFolder({QStringLiteral("tavrik")}, prefix.filePath(QStringLiteral("bin")));
        qputenv("XDG_DATA_HOME", oldData);
        QCOMPARE(chosen, data.filePath(QStringLiteral("tavrik")));
        QVERIFY(QFileInfo(chosen).isDir());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
