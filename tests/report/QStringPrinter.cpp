// Readable QString values in the failure messages of the report tests.
#include <QString>

#include <ostream>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
