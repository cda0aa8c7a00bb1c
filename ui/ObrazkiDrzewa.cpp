#include "ObrazkiDrzewa.h"

#include "ObrazSvg.h"

// The resources of a static library are registered by its user, outside any namespace.
static void zarejestrujObrazkiDrzewa()
{
    static const bool zarejestrowane = [] {
        Q_INIT_RESOURCE(drzewo);
        return true;
    }();
    Q_UNUSED(zarejestrowane);
}

namespace ObrazkiDrzewa {
namespace {

QIcon narysuj(const char* plik)
{
    zarejestrujObrazkiDrzewa();
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
