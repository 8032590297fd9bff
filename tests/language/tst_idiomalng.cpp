#include "idiomas.h"
#include "rutasprueba.h"

#include <QFile>
#include <QStringDecoder>
#include <QTest>

// The language file that ships beside the program.
class tst_IdiomaLng : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ajustes();
    void secciones_data();
    void secciones();
    void disenoenespanol();
    void disposicion();

private:
    static QList<int> numerosusados();

    QString m_fichero;
};

QList<int> tst_IdiomaLng::numerosusados()
{
    QList<int> numeros;
    for (int n = 1; n <= 53; ++n) {
        if (n != 15 && n != 28 && n != 29 && n != 39 && (n < 46 || n > 49))
            numeros.append(n);
    }
    return numeros;
}

void tst_IdiomaLng::initTestCase()
{
    m_fichero = rutasprueba::runtime() + QStringLiteral("/idioma.lng");
    const QString error = idiomas::comprobarfichero(m_fichero);
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void tst_IdiomaLng::ajustes()
{
    const QString actual = idiomas::leervalor(m_fichero, QStringLiteral("idioma"), QStringLiteral("idioma"));
    QCOMPARE(actual, QStringLiteral("Español"));
    QVERIFY(idiomas::existeseccion(m_fichero, actual));
}

void tst_IdiomaLng::secciones_data()
{
    QTest::addColumn<QString>("idioma");
    QStringList nombres;
    QCOMPARE(int(idiomas::listarsecciones(m_fichero, nombres)), 5);
    QCOMPARE(nombres, (QStringList{QStringLiteral("Español"), QStringLiteral("English"),
                                   QStringLiteral("Français"), QStringLiteral("Deutsch"),
                                   QStringLiteral("Português")}));
    for (const QString &nombre : std::as_const(nombres))
        QTest::newRow(qPrintable(nombre)) << nombre;
}

void tst_IdiomaLng::secciones()
{
    QFETCH(QString, idioma);
    const QList<idiomas::Entrada> entradas = idiomas::leerentradas(m_fichero, idioma);
    const QList<int> numeros = numerosusados();
    QCOMPARE(entradas.size(), numeros.size());
    for (qsizetype i = 0; i < numeros.size(); ++i) {
        const QString clave = QString::number(numeros.at(i));
        QCOMPARE(entradas.at(i).clave, clave); // same key order in every section
        QVERIFY2(!idiomas::leervalor(m_fichero, idioma, clave).isEmpty(), qPrintable(clave));
    }
    // The program adds ":" and "..." to these itself.
    for (const int n : {14, 42})
        QVERIFY(!idiomas::leervalor(m_fichero, idioma, QString::number(n)).endsWith(QLatin1Char(':')));
    for (const int n : {27, 43})
        QVERIFY(!idiomas::leervalor(m_fichero, idioma, QString::number(n)).endsWith(QLatin1Char('.')));
}

void tst_IdiomaLng::disenoenespanol()
{
    for (const int n : numerosusados()) {
        const QString diseno = idiomas::textodiseno(n);
        if (!diseno.isEmpty())
            QCOMPARE(idiomas::leervalor(m_fichero, QStringLiteral("Español"), QString::number(n)), diseno);
    }
}

void tst_IdiomaLng::disposicion()
{
    // Windows-1252 bytes with CR LF after every line, as the language editor writes it.
    QFile f(m_fichero);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.endsWith("\r\n\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QStringDecoder decodificador("windows-1252");
    const QStringList lineas = QString(decodificador.decode(bytes)).split(QStringLiteral("\r\n"));
    QCOMPARE(lineas.mid(0, 4), (QStringList{QStringLiteral("[idioma]"), QStringLiteral("idioma=Español"),
                                            QString(), QStringLiteral("[Español]")}));
    const qsizetype porseccion = numerosusados().size() + 2;
    QCOMPARE(lineas.size(), 3 + 5 * porseccion + 1);
    for (qsizetype s = 0; s < 5; ++s)
        QCOMPARE(lineas.at(3 + s * porseccion + porseccion - 1), QString());
}

QTEST_APPLESS_MAIN(tst_IdiomaLng)
#include "tst_idiomalng.moc"
