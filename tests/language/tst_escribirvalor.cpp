#include "idiomas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

class tst_EscribirValor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void escribirvalor_data();
    void escribirvalor();
    void crearseccion_data();
    void crearseccion();
    void entradainvalida_data();
    void entradainvalida();
    void temporalocupado();
    void carpetasoloparalectura();
    void ficheroausente();
    void cadenatrasreescritura();
    void escribirlineas();

private:
    QString escribir(const QByteArray &bytes);
    QByteArray leer() const;
    QString ruta() const { return m_dir->filePath(QStringLiteral("idioma.lng")); }
    QString temporal() const { return m_dir->filePath(QStringLiteral("idioma.tmp")); }

    std::unique_ptr<QTemporaryDir> m_dir; // a fresh folder for every test
};

QString tst_EscribirValor::escribir(const QByteArray &bytes)
{
    QFile f(ruta());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return ruta();
}

QByteArray tst_EscribirValor::leer() const
{
    QFile f(ruta());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void tst_EscribirValor::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_EscribirValor::escribirvalor_data()
{
    QTest::addColumn<QByteArray>("antes");
    QTest::addColumn<QString>("seccion");
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QByteArray>("despues");

    QTest::newRow("key present: blanks before it dropped, rest untouched")
        << QByteArray("[idioma]\r\nidioma=x\r\n\r\n[L]\r\n\r\n\r\r\n1=a\r\n2=b\r\n\r\n[M]\r\n2=m\r\n\r\n")
        << "l" << "2" << "a=z"
        << QByteArray("[idioma]\r\nidioma=x\r\n\r\n[L]\r\n1=a\r\n2=a=z\r\n\r\n[M]\r\n2=m\r\n\r\n");
    QTest::newRow("key takes the letter case given") << QByteArray("[L]\r\nAB=1\r\n") << "L" << "ab" << "2"
                                                     << QByteArray("[L]\r\nab=2\r\n");
    QTest::newRow("key missing, another section follows")
        << QByteArray("[L]\r\n1=a\r\n\r\n[M]\r\n1=b\r\n") << "L" << "2" << "x"
        << QByteArray("[L]\r\n1=a\r\n2=x\r\n\r\r\n[M]\r\n1=b\r\n");
    QTest::newRow("key missing in the last section: appended")
        << QByteArray("[L]\r\n1=a\r\n\r\n") << "L" << "2" << "x" << QByteArray("[L]\r\n1=a\r\n\r\n2=x\r\n");
    QTest::newRow("appended after a last line without terminator")
        << QByteArray("[L]\r\n1=a") << "L" << "2" << "x" << QByteArray("[L]\r\n1=a\r\n2=x\r\n");
    QTest::newRow("section missing") << QByteArray("[idioma]\r\nidioma=L\r\n") << "Nuevo" << "1" << ""
                                     << QByteArray("[idioma]\r\nidioma=L\r\n\r\r\n[Nuevo]\r\n1=\r\n");
    QTest::newRow("Windows-1252 lines survive byte for byte")
        << QByteArray("[idioma]\r\nidioma=Espa\xf1ol\r\n\r\n[Espa\xf1ol]\r\n1=\x80 \xe9 \xf1\r\n\r\n"
                      "[Otra]\r\n1=\x81\x8d\x9d\xff\r\n")
        << "idioma" << "idioma" << QStringLiteral("Français")
        << QByteArray("[idioma]\r\nidioma=Fran\xe7" "ais\r\n\r\n[Espa\xf1ol]\r\n1=\x80 \xe9 \xf1\r\n\r\n"
                      "[Otra]\r\n1=\x81\x8d\x9d\xff\r\n");
    QTest::newRow("a later same-named section is treated again")
        << QByteArray("[L]\r\n1=a\r\n[L]\r\n1=b\r\n") << "L" << "1" << "z"
        << QByteArray("[L]\r\n1=z\r\n[L]\r\n1=z\r\n");
    QTest::newRow("malformed lines copied unchanged")
        << QByteArray("x\r\n[L]\r\nbasura\r\n[\r\n1=a\r\n") << "L" << "1" << "z"
        << QByteArray("x\r\n[L]\r\nbasura\r\n[\r\n1=z\r\n");
}

void tst_EscribirValor::escribirvalor()
{
    QFETCH(QByteArray, antes);
    QFETCH(QString, seccion);
    QFETCH(QString, clave);
    QFETCH(QString, valor);
    QFETCH(QByteArray, despues);
    const idiomas::Resultado r = idiomas::escribirvalor(escribir(antes), seccion, clave, valor);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(leer(), despues);
    QVERIFY(!QFileInfo::exists(temporal()));
    QCOMPARE(idiomas::leervalor(ruta(), seccion, clave), valor);
}

void tst_EscribirValor::crearseccion_data()
{
    QTest::addColumn<QByteArray>("antes");
    QTest::addColumn<QByteArray>("despues");
    QTest::newRow("present in another letter case")
        << QByteArray("[idioma]\r\n[ENGLISH]\r\n") << QByteArray("[idioma]\r\n[ENGLISH]\r\n");
    QTest::newRow("absent: single-CR line and header appended")
        << QByteArray("[idioma]\r\n\r\n") << QByteArray("[idioma]\r\n\r\n\r\r\n[English]\r\n");
}

void tst_EscribirValor::crearseccion()
{
    QFETCH(QByteArray, antes);
    QFETCH(QByteArray, despues);
    const idiomas::Resultado r = idiomas::crearseccion(escribir(antes), QStringLiteral("English"));
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(leer(), despues);
}

void tst_EscribirValor::entradainvalida_data()
{
    QTest::addColumn<QString>("seccion");
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("valor");
    QTest::newRow("line break in the value") << "L" << "1" << "x\r\n[Inyectada]";
    QTest::newRow("line break in the section") << "L\nM" << "1" << "x";
    QTest::newRow("= in the key") << "L" << "1=2" << "x";
    QTest::newRow("not Windows-1252") << "L" << "1" << QStringLiteral("λ");
}

void tst_EscribirValor::entradainvalida()
{
    QFETCH(QString, seccion);
    QFETCH(QString, clave);
    QFETCH(QString, valor);
    const QByteArray antes("[idioma]\r\n[L]\r\n1=a\r\n");
    const idiomas::Resultado r = idiomas::escribirvalor(escribir(antes), seccion, clave, valor);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QDir::toNativeSeparators(ruta())), qPrintable(r.error));
    QCOMPARE(leer(), antes);
}

void tst_EscribirValor::temporalocupado()
{
    const QByteArray antes("[idioma]\r\nidioma=Espa\xf1ol\r\n\r\n[Espa\xf1ol]\r\n1=a\r\n\r\n[M]\r\n");
    escribir(antes);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("idioma.tmp")));
    const idiomas::Resultado r =
        idiomas::escribirvalor(ruta(), QStringLiteral("idioma"), QStringLiteral("idioma"), QStringLiteral("M"));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QDir::toNativeSeparators(temporal())), qPrintable(r.error));
    QCOMPARE(leer(), antes);
}

void tst_EscribirValor::carpetasoloparalectura()
{
#ifndef Q_OS_WIN
    if (::geteuid() == 0)
        QSKIP("running as root: a read-only folder does not stop writes");
#endif
    const QByteArray antes("[idioma]\r\nidioma=L\r\n\r\n[L]\r\n1=a\r\n\r\n[M]\r\n");
    escribir(antes);
    const QFile::Permissions permisos = QFile::permissions(m_dir->path());
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
    const idiomas::Resultado r =
        idiomas::escribirvalor(ruta(), QStringLiteral("L"), QStringLiteral("1"), QStringLiteral("b"));
    QFile::setPermissions(m_dir->path(), permisos);
    QVERIFY(!r.ok);
    QVERIFY(r.error.contains(QDir::toNativeSeparators(ruta())));
    QCOMPARE(leer(), antes);
}

void tst_EscribirValor::ficheroausente()
{
    const QString nativa = QDir::toNativeSeparators(ruta());
    idiomas::Resultado r = idiomas::crearseccion(ruta(), QStringLiteral("English"));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(nativa), qPrintable(r.error));
    r = idiomas::escribirvalor(ruta(), QStringLiteral("idioma"), QStringLiteral("idioma"), QStringLiteral("x"));
    QVERIFY(!r.ok);
    QVERIFY(r.error.contains(nativa));
    QVERIFY(!QFileInfo::exists(ruta()));
    QVERIFY(!QFileInfo::exists(temporal()));
}

void tst_EscribirValor::cadenatrasreescritura()
{
    idiomas::rutaidioma = escribir("[idioma]\r\nidioma=L\r\n\r\n[L]\r\n5=Visible\r\n\r\n[M]\r\n5=m\r\n");
    idiomas::idiomaactual = QStringLiteral("L");
    QCOMPARE(idiomas::cadena(5), QStringLiteral("Visible"));
    QVERIFY(idiomas::escribirvalor(ruta(), QStringLiteral("L"), QStringLiteral("5"), QStringLiteral("Sichtbar")).ok);
    QCOMPARE(idiomas::cadena(5), QStringLiteral("Sichtbar"));
}

void tst_EscribirValor::escribirlineas()
{
    escribir("[viejo]\r\n");
    const QStringList lineas{QStringLiteral("[idioma]"), QStringLiteral("idioma=Español"), QString()};
    idiomas::Resultado r = idiomas::escribirlineas(ruta(), lineas);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(leer(), QByteArray("[idioma]\r\nidioma=Espa\xf1ol\r\n\r\n"));
    r = idiomas::escribirlineas(ruta(), {QStringLiteral("1=€λ")});
    QVERIFY(!r.ok);
    QCOMPARE(leer(), QByteArray("[idioma]\r\nidioma=Espa\xf1ol\r\n\r\n"));
}

QTEST_APPLESS_MAIN(tst_EscribirValor)
#include "tst_escribirvalor.moc"
