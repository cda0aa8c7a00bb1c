#include "ObrazkiDrzewa.h"

#include "ObrazSvg.h"
#include "ZasobyOkien.h"

namespace ObrazkiDrzewa {
namespace {

QIcon narysuj(const char* plik)
{
    zarejestrujZasobyOkien();
    return QIcon(obrazSvg(QStringLiteral(":/drzewo/%1.svg").arg(QLatin1String(plik))));
}

} // namespace

QIcon ImageList1(int obraz)
{
    static const char* const kPliki[] = {"korzen",      "regulator",  "grupa",
                                         "zablokowany", "stopien_wl", "stopien_wyl"};
    if (obraz < 1 || obraz > int(std::size(kPliki)))
        return {};
    return narysuj(kPliki[obraz - 1]);
}

QIcon komunikacja()
{
    return narysuj("komun");
}

} // namespace ObrazkiDrzewa
