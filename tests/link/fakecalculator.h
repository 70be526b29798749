#pragma once

#include "link/cableprovider.h"
#include "link/tilibraries.h"

#include <QByteArray>
#include <QList>
#include <QMutex>

// The calculator's side of the grey cable's protocol, played at the end of the link
// library's null cable: it takes the packets the computer sends, byte by byte, and
// answers as a TI-89 or TI-92 Plus does, or fails the way a test asks. A wait for
// an answer that never comes lasts the cable's timeout, as on a real cable.
class FakeCalculator : public tilink::CableProvider
{
public:
    enum class Behaviour {
        Accept,
        Silent,         // off, or the cable not in the calculator
        Busy,           // not on its home screen
        RefuseArchived, // an archived variable of the same name
        RefuseOther,    // a reason the library does not know (memory full)
        CutDuringData,  // the cable pulled out half-way through the picture
        NoPermission,   // the USB device cannot be opened
    };
    struct Packet
    {
        quint8 machine = 0, command = 0;
        QByteArray data;
        bool checksumOk = true;
    };

    explicit FakeCalculator(Behaviour behaviour = Behaviour::Accept) : m_behaviour(behaviour) {}

    // Starts again, with nothing received, as a calculator that behaves so.
    void reset(Behaviour behaviour);

    tilink::OpenCable find(const tilink::LinkSettings &settings) override;
    // What the computer sent, whole packets in order.
    QList<Packet> packets() const;
    // How long each chunk of the picture takes to go, to watch the progress.
    int chunkDelayMs = 0;

private:
    static int hook(CableHandle *handle, uint32_t count, const CableEventData *event, void *pointer);
    int take(const QByteArray &bytes);
    int give(uint8_t *data, uint32_t length, unsigned timeoutTenths);
    void answer(const Packet &packet);
    void reply(quint8 command, const QByteArray &data = {}, quint16 length = 0);

    Behaviour m_behaviour;
    quint8 m_machine = 0x98;
    bool m_cut = false;
    unsigned m_timeoutTenths = 0;
    QByteArray m_incoming, m_outgoing;
    QList<Packet> m_packets;
    mutable QMutex m_mutex;
};
