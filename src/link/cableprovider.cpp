#include "cableprovider.h"

#include "link/tilibraries.h"

#include <QList>

namespace tilink {

namespace {

CableProvider *installed = nullptr;

QString noCable(Cable wanted)
{
    switch (wanted) {
    case Cable::SilverLink:
        return QStringLiteral("Aucun câble SilverLink n'est branché. Branchez le câble gris à un port USB "
                              "de l'ordinateur et à la calculatrice, puis recommencez.");
    case Cable::DirectUsb:
        return QStringLiteral("Aucune TI-89 Titanium n'est branchée en USB direct. Reliez-la à l'ordinateur "
                              "par son câble USB, allumez-la, puis recommencez.");
    case Cable::Automatic:
        break;
    }
    return QStringLiteral("Aucun câble n'a été trouvé. Branchez le câble SilverLink (gris) ou le câble USB "
                          "de la TI-89 Titanium, puis recommencez.");
}

} // namespace

CableProvider &CableProvider::current()
{
    static UsbCables usb;
    return installed ? *installed : usb;
}

void CableProvider::install(CableProvider *p)
{
    installed = p;
}

int calculatorModel(Calculator calculator)
{
    switch (calculator) {
    case Calculator::Ti89Titanium:
        return CALC_TI89T;
    case Calculator::Ti92Plus:
        return CALC_TI92P;
    case Calculator::Voyage200:
        return CALC_V200;
    case Calculator::Ti89:
        break;
    }
    return CALC_TI89;
}

OpenCable UsbCables::find(const LinkSettings &settings)
{
    initLibraries();
    // The TI devices on the USB ports, in the order the library numbers its ports.
    // Listing them needs no permission: opening one does.
    int *pids = nullptr;
    int count = 0;
    QList<int> devices;
    if (ticables_get_usb_devices(&pids, &count) == 0 || count > 0)
        for (int i = 0; i < count && pids; ++i)
            devices << pids[i];
    if (pids)
        ticables_free_usb_devices(pids);

    const qsizetype silverLink = devices.indexOf(PID_TIGLUSB);
    const qsizetype titanium = devices.indexOf(PID_TI89TM);
    OpenCable found;
    // Automatic: the grey cable when there is one, since it reaches every model.
    if (silverLink >= 0 && settings.cable != Cable::DirectUsb) {
        found.handle = ticables_handle_new(CABLE_SLV, CablePort(PORT_1 + silverLink));
        found.calculatorModel = calculatorModel(settings.calculator);
    } else if (titanium >= 0 && settings.cable != Cable::SilverLink) {
        found.handle = ticables_handle_new(CABLE_USB, CablePort(PORT_1 + titanium));
        found.calculatorModel = CALC_TI89T_USB;
    }
    if (!found.handle)
        found.message = noCable(settings.cable);
    return found;
}

} // namespace tilink
