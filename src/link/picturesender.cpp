#include "picturesender.h"

#include "link/cableprovider.h"
#include "link/picturevariable.h"
#include "link/tilibraries.h"

#include <algorithm>
#include <cstring>

namespace tilink {

// One send: watches every exchange on the cable for the cancel, the progress and
// whether the calculator ever answered. Whatever hook the cable already had (a
// test's calculator) still sees every event.
struct SendSession
{
    PictureSender *sender = nullptr;
    ticables_event_hook_type inner = nullptr;
    void *innerPointer = nullptr;
    qint64 total = 1;
    qint64 sent = 0;
    qint64 received = 0;
    int percent = -1;

    static int hook(CableHandle *handle, uint32_t count, const CableEventData *event, void *pointer)
    {
        auto *session = static_cast<SendSession *>(pointer);
        const bool before = event->type == CABLE_EVENT_TYPE_BEFORE_SEND || event->type == CABLE_EVENT_TYPE_BEFORE_RECV;
        if (before && session->sender->isCancelled())
            return errors::kAbort;
        const int result = session->inner ? session->inner(handle, count, event, session->innerPointer) : event->retval;
        if (result == 0 && event->type == CABLE_EVENT_TYPE_AFTER_RECV)
            session->received += event->data.data.len;
        if (result == 0 && event->type == CABLE_EVENT_TYPE_AFTER_SEND) {
            session->sent += event->data.data.len;
            // 100 is for the calculator's last acknowledgement.
            const int percent = int(std::min<qint64>(99, session->sent * 100 / session->total));
            if (percent != session->percent)
                emit session->sender->progress(session->percent = percent);
        }
        return result;
    }
};

namespace {

void nothing() {}

// The library's own copy of the variable, as a one-variable file content.
FileContent *contentOf(const PictureVariable &variable, int model)
{
    FileContent *content = tifiles_content_create_regular(CalcModel(model));
    VarEntry *entry = tifiles_ve_create_alloc_data(uint32_t(variable.data.size()));
    if (!content || !entry) {
        if (entry)
            tifiles_ve_delete(entry);
        if (content)
            tifiles_content_delete_regular(content);
        return nullptr;
    }
    std::memcpy(entry->data, variable.data.constData(), size_t(variable.data.size()));
    std::memcpy(entry->folder, variable.folder.constData(), size_t(variable.folder.size()));
    std::memcpy(entry->name, variable.name.constData(), size_t(variable.name.size()));
    entry->size = uint32_t(variable.data.size());
    entry->type = variable.type;
    entry->attr = ATTRB_NONE;
    tifiles_content_add_entry(content, entry);
    return content;
}

QString permissionMessage()
{
    return QStringLiteral(
        "L'accès au câble USB est refusé. La règle udev du paquet libticables2-8 "
        "(/lib/udev/rules.d/69-libticables2-8.rules) le donne à la personne connectée devant "
        "l'ordinateur ; sinon, ajoutez une règle qui donne le périphérique au groupe plugdev "
        "(MODE=\"0660\", GROUP=\"plugdev\"), ajoutez-vous à ce groupe (sudo adduser $USER plugdev), "
        "reconnectez-vous, puis débranchez et rebranchez le câble.");
}

} // namespace

PictureSender::PictureSender(const LinkSettings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
}

QString PictureSender::failureMessage(int error, qint64 bytesReceived, const QByteArray &variableName)
{
    const QString name = QString::fromLatin1(variableName);
    switch (error) {
    case errors::kAbort:
        return QStringLiteral("L'envoi a été annulé.");
    case errors::kUsbOpen:
        return permissionMessage();
    case errors::kUsbClaim:
        return QStringLiteral("Le câble est déjà utilisé par un autre programme (TiLP ?) : fermez-le, puis recommencez.");
    case errors::kNoCable:
        return QStringLiteral("Le câble a disparu : vérifiez qu'il est bien branché, puis recommencez.");
    case errors::kNotReady:
        return QStringLiteral("La calculatrice est occupée : revenez à son écran d'accueil (HOME), puis recommencez.");
    case errors::kRefusedLockedOrArchived:
    case errors::kUsbRefusedLocked:
        return QStringLiteral("La calculatrice a refusé l'image : une variable %1 archivée ou verrouillée y "
                              "porte déjà ce nom. Désarchivez-la ou changez le nom de la variable, puis recommencez.")
            .arg(name);
    case errors::kOutOfMemory:
    case errors::kUsbRefusedOutOfMemory:
    case errors::kUsbRefusedTooLarge:
        return QStringLiteral("La calculatrice a refusé l'image : sa mémoire est pleine. Libérez de la place, "
                              "puis recommencez.");
    case errors::kRefusedInvalidName:
        return QStringLiteral("La calculatrice a refusé le nom de variable %1.").arg(name);
    default:
        break;
    }
    if (error == errors::kVariableRejected || (error >= errors::kRefusedFirst && error <= errors::kRefusedLast))
        return QStringLiteral("La calculatrice a refusé l'image %1 : sa mémoire est pleine, ou une variable "
                              "archivée ou verrouillée porte déjà ce nom.")
            .arg(name);
    // A silent line: nothing ever came back, or the exchange stopped half-way.
    if (bytesReceived == 0)
        return QStringLiteral("La calculatrice ne répond pas : vérifiez qu'elle est allumée, sur son écran "
                              "d'accueil (HOME) et non occupée par un programme, et que le câble est bien "
                              "branché des deux côtés.");
    return QStringLiteral("Le transfert a été interrompu : le câble a été débranché ou la calculatrice a cessé "
                          "de répondre. L'image n'est peut-être pas arrivée : recommencez.");
}

bool PictureSender::send(const QString &path, QString *error)
{
    initLibraries();
    const std::optional<PictureVariable> variable = readPictureVariable(path, error);
    if (!variable)
        return false;
    const auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    if (m_cancelled)
        return fail(failureMessage(errors::kAbort, 0, {}));
    const OpenCable cable = CableProvider::current().find(m_settings);
    if (!cable.handle)
        return fail(cable.message);

    ticables_options_set_timeout(cable.handle, unsigned(std::max(1, m_settings.timeoutTenths)));
    SendSession session;
    session.sender = this;
    session.inner = ticables_cable_get_event_hook(cable.handle);
    session.innerPointer = ticables_cable_get_event_user_pointer(cable.handle);
    // The header, the data packet's frame and the acknowledgements come with the bytes.
    session.total = variable->data.size() + 64;
    ticables_cable_set_event_hook(cable.handle, &SendSession::hook);
    ticables_cable_set_event_user_pointer(cable.handle, &session);

    CalcHandle *calc = ticalcs_handle_new(CalcModel(cable.calculatorModel));
    CalcUpdate update{};
    update.start = update.stop = update.refresh = update.pbar = update.label = &nothing;
    int result = errors::kNoCable;
    if (calc) {
        ticalcs_update_set(calc, &update);
        result = ticalcs_cable_attach(calc, cable.handle);
        if (result == 0)
            result = ticalcs_calc_isready(calc);
        if (result == 0) {
            FileContent *content = contentOf(*variable, cable.calculatorModel);
            result = content ? ticalcs_calc_send_var(calc, MODE_NORMAL, content) : errors::kNoCable;
            if (content)
                tifiles_content_delete_regular(content);
        }
        ticalcs_cable_detach(calc);
        ticalcs_handle_del(calc);
    }
    ticables_handle_del(cable.handle);
    if (result != 0)
        return fail(failureMessage(m_cancelled ? errors::kAbort : result, session.received, variable->fullName()));
    emit progress(100);
    return true;
}

} // namespace tilink
