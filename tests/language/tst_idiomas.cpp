#include "idiomas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_Idiomas : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void leervalor_data();
    void leervalor();
    void valorajustesseleccionaseccion();
    void existeseccion_data();
    void existeseccion();
    void listarsecciones_data();
    void listarsecciones();
    void ficheroilegible();
    void cadenadelfichero();
    void cadenasinfichero();

private:
    QString escribir(const QByteArray &bytes);

    QTemporaryDir m_dir;
};

QString tst_Idiomas::escribir(const QByteArray &bytes)
{
    const QString ruta = m_dir.filePath(QStringLiteral("idioma.lng"));
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return ruta;
}

void tst_Idiomas::init()
{
    QVERIFY(m_dir.isValid());
}

void tst_Idiomas::leervalor_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QString>("seccion");
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("esperado");

    const auto L = QStringLiteral("L");
    QTest::newRow("value holding =") << QByteArray("[L]\r\n1=a=b=c\r\n") << L << "1" << "a=b=c";
    QTest::newRow("empty value, first entry wins") << QByteArray("[L]\r\n1=\r\n1=x\r\n") << L << "1" << "";
    QTest::newRow("blank before = does not match") << QByteArray("[L]\r\n1 =x\r\n") << L << "1" << "";
    QTest::newRow("blank before = matches itself") << QByteArray("[L]\r\n1 =x\r\n") << L << "1 " << "x";
    QTest::newRow("same-named sections: first only")
        << QByteArray("[L]\r\n2=a\r\n[l]\r\n1=b\r\n") << L << "1" << "";
    QTest::newRow("header with trailing blank differs")
        << QByteArray("[L ]\r\n1=a\r\n[L]\r\n1=b\r\n") << L << "1" << "b";
    QTest::newRow("empty and CR-only lines ignored")
        << QByteArray("\r\n[L]\r\n\r\r\n\r\n\r1=a\r\n") << L << "1" << "a";
    QTest::newRow("lone CR ends lines") << QByteArray("[M]\r1=m\r[L]\r1=a\r") << L << "1" << "a";
    QTest::newRow("next header ends the section") << QByteArray("[L]\r\n[M]\r\n1=m\r\n") << L << "1" << "";
    QTest::newRow("lines before the first header") << QByteArray("1=x\r\n[L]\r\n") << L << "1" << "";
    QTest::newRow("keys ignore letter case") << QByteArray("[L]\r\nAbC=v\r\n") << L << "aBc" << "v";
    QTest::newRow("line without = and lone [ skipped")
        << QByteArray("[L]\r\nbasura\r\n[\r\n1=a\r\n") << L << "1" << "a";
    QTest::newRow("value kept as stored") << QByteArray("[L]\r\n1= a b \r\n") << L << "1" << " a b ";
    QTest::newRow("lone LF belongs to the line") << QByteArray("[L]\r\n1=a\nb\r\n") << L << "1" << "a\nb";
    QTest::newRow("Windows-1252 text")
        << QByteArray("[Espa\xd1ol]\r\n1=\x80 \xe9\r\n") << QStringLiteral("español") << "1"
        << QStringLiteral("€ é");
    QTest::newRow("missing section") << QByteArray("[M]\r\n1=m\r\n") << L << "1" << "";
}

void tst_Idiomas::leervalor()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QString, seccion);
    QFETCH(QString, clave);
    QFETCH(QString, esperado);
    QString error = QStringLiteral("stale");
    QCOMPARE(idiomas::leervalor(escribir(contenido), seccion, clave, &error), esperado);
    QCOMPARE(error, QString());
}

void tst_Idiomas::valorajustesseleccionaseccion()
{
    const QString f = escribir("[idioma]\r\nidioma=ESPA\xd1OL\r\n\r\n[Espa\xf1ol]\r\n1=Vac\xedo\r\n");
    const QString actual = idiomas::leervalor(f, QStringLiteral("idioma"), QStringLiteral("idioma"));
    QCOMPARE(actual, QStringLiteral("ESPAÑOL"));
    QCOMPARE(idiomas::leervalor(f, actual, QStringLiteral("1")), QStringLiteral("Vacío"));
}

void tst_Idiomas::existeseccion_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QString>("seccion");
    QTest::addColumn<bool>("existe");
    QTest::newRow("letter case ignored") << QByteArray("[idioma]\r\n[Deutsch]\r\n") << "DEUTSCH" << true;
    QTest::newRow("trailing blank") << QByteArray("[Deutsch ]\r\n") << "Deutsch" << false;
    QTest::newRow("lone [ is no header") << QByteArray("[\r\n") << "" << false;
    QTest::newRow("empty name") << QByteArray("[]\r\n") << "" << true;
    QTest::newRow("absent") << QByteArray("[idioma]\r\nEnglish=1\r\n") << "English" << false;
}

void tst_Idiomas::existeseccion()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QString, seccion);
    QFETCH(bool, existe);
    QCOMPARE(idiomas::existeseccion(escribir(contenido), seccion), existe);
}

void tst_Idiomas::listarsecciones_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<int>("cuenta");
    QTest::addColumn<QStringList>("nombres");
    QTest::newRow("no header") << QByteArray("idioma=x\r\n") << -1 << QStringList();
    QTest::newRow("empty file") << QByteArray() << -1 << QStringList();
    QTest::newRow("settings only") << QByteArray("[idioma]\r\nidioma=x\r\n") << 0 << QStringList();
    QTest::newRow("first header skipped by position")
        << QByteArray("[Ajustes]\r\n[idioma]\r\n\r\r\n[English]\r\n[\r\n") << 2
        << QStringList{QStringLiteral("idioma"), QStringLiteral("English")};
    QTest::newRow("names as stored")
        << QByteArray("[idioma]\r\n[Espa\xf1ol]\r\n1=a\r\n[Fran\xe7" "ais ]\r\n") << 2
        << QStringList{QStringLiteral("Español"), QStringLiteral("Français ")};
}

void tst_Idiomas::listarsecciones()
{
    QFETCH(QByteArray, contenido);
    QFETCH(int, cuenta);
    QFETCH(QStringList, nombres);
    QStringList leidos{QStringLiteral("left"), QStringLiteral("from"), QStringLiteral("before")};
    QCOMPARE(int(idiomas::listarsecciones(escribir(contenido), leidos)), cuenta);
    QCOMPARE(leidos, nombres);
}

void tst_Idiomas::ficheroilegible()
{
    const QString ausente = m_dir.filePath(QStringLiteral("no/idioma.lng"));
    const QString nativa = QDir::toNativeSeparators(ausente);
    QString error;
    QCOMPARE(idiomas::leervalor(ausente, QStringLiteral("idioma"), QStringLiteral("idioma"), &error),
             QString());
    QVERIFY2(error.contains(nativa), qPrintable(error));
    error.clear();
    QVERIFY(!idiomas::existeseccion(ausente, QStringLiteral("idioma"), &error));
    QVERIFY(error.contains(nativa));
    QStringList nombres;
    error.clear();
    QCOMPARE(int(idiomas::listarsecciones(ausente, nombres, &error)), -1);
    QVERIFY(error.contains(nativa));
    QVERIFY(idiomas::comprobarfichero(ausente).contains(nativa));
    // A folder in place of the file is unreadable too.
    QVERIFY(!idiomas::comprobarfichero(m_dir.path()).isEmpty());
    QCOMPARE(idiomas::comprobarfichero(escribir("[idioma]\r\n")), QString());
}

void tst_Idiomas::cadenadelfichero()
{
    idiomas::rutaidioma = escribir("[idioma]\r\nidioma=English\r\n\r\n[English]\r\n14=Slit width\r\n");
    idiomas::idiomaactual = QStringLiteral("english");
    QCOMPARE(idiomas::cadena(14), QStringLiteral("Slit width"));
    // A readable file without the key gives an empty caption, not the design one.
    QCOMPARE(idiomas::cadena(1), QString());
}

void tst_Idiomas::cadenasinfichero()
{
    idiomas::rutaidioma = m_dir.filePath(QStringLiteral("ausente.lng"));
    idiomas::idiomaactual = QStringLiteral("English");
    QCOMPARE(idiomas::cadena(14), QStringLiteral("Anchura Rendija"));
    QCOMPARE(idiomas::cadena(43), QStringLiteral("Info. del &sistema"));
    QCOMPARE(idiomas::cadena(21), QString()); // no design caption
}

QTEST_APPLESS_MAIN(tst_Idiomas)
#include "tst_idiomas.moc"
