#include "fakecalculator.h"

#include "link/tilibraries.h"

#include <QThread>

#include <cstring>
#include <numeric>

namespace {

// The computer's packets that carry data (then a checksum): variable header,
// data, skip, request, request to send.
bool carriesData(quint8 command)
{
    return command == 0x06 || command == 0x15 || command == 0x36 || command == 0xA2 || command == 0xC9;
}

quint16 sum(const QByteArray &bytes) { return quint16(std::accumulate(bytes.begin(), bytes.end(), 0, [](int t, char c) { return t + quint8(c); })); }

// Low byte first, as every length and checksum on the cable.
QByteArray word(quint16 value) { return QByteArray(1, char(value & 0xFF)) + char(value >> 8); }

} // namespace

tilink::OpenCable FakeCalculator::find(const tilink::LinkSettings &settings)
{
    tilink::initLibraries();
    tilink::OpenCable cable;
    cable.handle = ticables_handle_new(CABLE_NUL, PORT_1);
    cable.calculatorModel = tilink::calculatorModel(settings.calculator);
    const bool ti92 = settings.calculator == tilink::Calculator::Ti92Plus
                   || settings.calculator == tilink::Calculator::Voyage200;
    m_machine = ti92 ? 0x88 : 0x98;
    ticables_cable_set_event_hook(cable.handle, &FakeCalculator::hook);
    ticables_cable_set_event_user_pointer(cable.handle, this);
    return cable;
}

void FakeCalculator::reset(Behaviour behaviour)
{
    QMutexLocker lock(&m_mutex);
    m_behaviour = behaviour;
    m_cut = false;
    m_incoming.clear();
    m_outgoing.clear();
    m_packets.clear();
}

QList<FakeCalculator::Packet> FakeCalculator::packets() const
{
    QMutexLocker lock(&m_mutex);
    return m_packets;
}

int FakeCalculator::hook(CableHandle *handle, uint32_t, const CableEventData *event, void *pointer)
{
    auto *calculator = static_cast<FakeCalculator *>(pointer);
    if (event->type == CABLE_EVENT_TYPE_AFTER_OPEN && calculator->m_behaviour == Behaviour::NoPermission)
        return tilink::errors::kUsbOpen;
    if (event->type != CABLE_EVENT_TYPE_AFTER_GENERIC_OPERATION)
        return event->retval;
    const auto &bytes = event->data.data;
    if (event->operation == CABLE_FNCT_SEND) {
        calculator->m_timeoutTenths = handle->timeout;
        return calculator->take(QByteArray(reinterpret_cast<const char *>(bytes.data), bytes.len));
    }
    if (event->operation == CABLE_FNCT_RECV)
        return calculator->give(bytes.data, bytes.len, handle->timeout);
    return event->retval;
}

int FakeCalculator::take(const QByteArray &bytes)
{
    if (m_cut) {
        QThread::msleep(m_timeoutTenths * 100);
        return tilink::errors::kWriteTimeout;
    }
    QMutexLocker lock(&m_mutex);
    m_incoming += bytes;
    const bool data = m_incoming.size() > 4 && quint8(m_incoming.at(1)) == 0x15;
    if (data && chunkDelayMs > 0)
        QThread::msleep(chunkDelayMs);
    // The cable goes once the picture has started: this chunk went, no other will.
    if (data && m_behaviour == Behaviour::CutDuringData)
        m_cut = true;
    while (m_incoming.size() >= 4) {
        Packet packet{quint8(m_incoming.at(0)), quint8(m_incoming.at(1)), {}, true};
        const int length = quint8(m_incoming.at(2)) | quint8(m_incoming.at(3)) << 8;
        const int size = carriesData(packet.command) ? 4 + length + 2 : 4;
        if (m_incoming.size() < size)
            break;
        if (carriesData(packet.command)) {
            packet.data = m_incoming.mid(4, length);
            packet.checksumOk = m_incoming.mid(size - 2, 2) == word(sum(packet.data));
        }
        m_incoming.remove(0, size);
        m_packets << packet;
        answer(packet);
    }
    return 0;
}

void FakeCalculator::answer(const Packet &packet)
{
    if (m_behaviour == Behaviour::Silent)
        return;
    const quint8 ack = 0x56;
    if (packet.command == 0x68) // ready? The status's high bit 0 set: busy.
        reply(ack, {}, m_behaviour == Behaviour::Busy ? 0x0100 : 0);
    else if (packet.command == 0x15 || packet.command == 0x92 || packet.command == 0xC9) // data, end, request to send
        reply(ack); // (the computer's own acknowledgements get none)
    if (packet.command != 0xC9)
        return;
    if (m_behaviour == Behaviour::RefuseArchived || m_behaviour == Behaviour::RefuseOther) // skip, with its reason
        reply(0x36, QByteArray(m_behaviour == Behaviour::RefuseArchived ? "\x01\x00\x1e" : "\x03\x00\x00", 3));
    else
        reply(0x09); // clear to send
}

void FakeCalculator::reply(quint8 command, const QByteArray &data, quint16 length)
{
    m_outgoing += QByteArray(1, char(m_machine)) + char(command) + word(data.isEmpty() ? length : quint16(data.size()));
    if (!data.isEmpty())
        m_outgoing += data + word(sum(data));
}

int FakeCalculator::give(uint8_t *data, uint32_t length, unsigned timeoutTenths)
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_cut && m_outgoing.size() >= qsizetype(length)) {
            std::memcpy(data, m_outgoing.constData(), length);
            m_outgoing.remove(0, length);
            return 0;
        }
    }
    // Nothing comes: the cable waits for its timeout.
    QThread::msleep(timeoutTenths * 100);
    return tilink::errors::kReadTimeout;
}
