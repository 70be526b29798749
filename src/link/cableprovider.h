#pragma once

#include "link/linksettings.h"

#include <QString>

struct _CableHandle;
typedef struct _CableHandle CableHandle;

namespace tilink {

// An open way to the calculator: the cable's handle and the calculator model the
// link library speaks to through it.
struct OpenCable
{
    CableHandle *handle = nullptr; // null: none, the reason in message
    int calculatorModel = 0;       // a CalcModel
    QString message;
};

// Finds and opens the cable for a transfer. The program asks the current provider
// only, so tests can put a calculator of their own at the end of a cable.
class CableProvider
{
public:
    virtual ~CableProvider() = default;

    // A handle not yet open (the sender opens it), with the calculator model that
    // goes with it; or a French message saying why there is none.
    virtual OpenCable find(const LinkSettings &settings) = 0;

    // The provider in force (the USB cables unless a test installed another).
    static CableProvider &current();
    // Installs p (nullptr: back to the USB cables); the caller keeps ownership.
    static void install(CableProvider *p);
};

// The cables on the computer's USB ports: the SilverLink and the TI-89 Titanium's
// own USB link.
class UsbCables : public CableProvider
{
public:
    OpenCable find(const LinkSettings &settings) override;
};

// The calculator model the link library uses for the settings' calculator over a
// grey (SilverLink) cable.
int calculatorModel(Calculator calculator);

} // namespace tilink
