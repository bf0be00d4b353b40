#include "shell/FormLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QMetaMethod>
#include <QStringList>
#include <QUiLoader>
#include <QWidget>
#include <QXmlStreamReader>
#include <stdexcept>

#include "shell/ConclusionButton.h"
#include "shell/InputCell.h"

namespace {

[[noreturn]] void Fail(const QString& description, const QString& what) {
    throw std::runtime_error(QStringLiteral("The layout description %1 cannot be used: %2")
                                 .arg(description, what)
                                 .toStdString());
}

struct Binding {
    QString sender, signal, receiver, slot;
};

// Creates our own controls where the description names them, and the window itself as the
// top-level widget.
class Loader : public QUiLoader {
public:
    explicit Loader(QWidget* form) : m_form(form) {}

    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override {
        QWidget* widget = nullptr;
        if (!parent && className == QLatin1String(m_form->metaObject()->className())) {
            widget = m_form;
        } else if (className == QLatin1String("InputCell")) {
            widget = new InputCell(parent);
        } else if (className == QLatin1String("ConclusionButton")) {
            widget = new ConclusionButton(parent);
        } else {
            widget = QUiLoader::createWidget(className, parent, name);
        }
        if (widget) widget->setObjectName(name);
        return widget;
    }

private:
    QWidget* m_form;
};

// Qt's loader skips a connection it cannot make with at most a warning; the bindings are taken
// out of the description and made here instead.
QByteArray TakeBindings(const QByteArray& ui, QList<Binding>& bindings,
                        const QString& description) {
    const qsizetype begin = ui.indexOf("<connections>");
    const qsizetype end = ui.indexOf("</connections>");
    if (begin < 0) return ui;
    if (end < begin) Fail(description, QStringLiteral("its connections are not closed"));
    const qsizetype after = end + qsizetype(sizeof("</connections>") - 1);

    QXmlStreamReader xml(ui.mid(begin, after - begin));
    Binding current;
    QString* field = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            field = name == u"sender"     ? &current.sender
                    : name == u"signal"   ? &current.signal
                    : name == u"receiver" ? &current.receiver
                    : name == u"slot"     ? &current.slot
                                          : nullptr;
        } else if (xml.isCharacters() && field) {
            *field += xml.text();
        } else if (xml.isEndElement()) {
            field = nullptr;
            if (xml.name() == u"connection") {
                bindings.append(current);
                current = {};
            }
        }
    }
    if (xml.hasError())
        Fail(description, QStringLiteral("its connections: %1").arg(xml.errorString()));
    return ui.left(begin) + ui.mid(after);
}

// Qt's loader sizes the top-level widget but leaves it where the system puts it; the window
// goes where its description places it.
QPoint DesignedPosition(const QByteArray& ui) {
    QXmlStreamReader xml(ui);
    int depth = 0;
    bool inGeometry = false;
    QPoint position;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"widget" && ++depth > 1) break;  // past the window's own properties
            if (xml.name() == u"property" && depth == 1) {
                inGeometry =
                    xml.attributes().value(QLatin1String("name")) == QLatin1String("geometry");
            } else if (inGeometry && xml.name() == u"x") {
                position.setX(xml.readElementText().toInt());
            } else if (inGeometry && xml.name() == u"y") {
                position.setY(xml.readElementText().toInt());
            }
        } else if (xml.isEndElement() && xml.name() == u"property") {
            inGeometry = false;
        }
    }
    return position;
}

QObject* Named(QWidget* form, const QString& name, const QString& description) {
    if (form->objectName() == name) return form;
    QObject* object = form->findChild<QObject*>(name);
    if (!object)
        Fail(description, QStringLiteral("it binds \"%1\", which it does not create").arg(name));
    return object;
}

void Bind(QWidget* form, const Binding& b, const QString& description) {
    QObject* sender = Named(form, b.sender, description);
    QObject* receiver = Named(form, b.receiver, description);
    const QByteArray signal = QMetaObject::normalizedSignature(b.signal.toLatin1().constData());
    const QByteArray slot = QMetaObject::normalizedSignature(b.slot.toLatin1().constData());
    const int signalIndex = sender->metaObject()->indexOfSignal(signal.constData());
    const int slotIndex = receiver->metaObject()->indexOfSlot(slot.constData());
    if (signalIndex < 0)
        Fail(description, QStringLiteral("%1 has no event %2").arg(b.sender, b.signal));
    if (slotIndex < 0)
        Fail(description, QStringLiteral("%1 has no handler %2").arg(b.receiver, b.slot));
    const QMetaMethod signalMethod = sender->metaObject()->method(signalIndex);
    const QMetaMethod slotMethod = receiver->metaObject()->method(slotIndex);
    if (!QObject::connect(sender, signalMethod, receiver, slotMethod)) {
        Fail(description,
             QStringLiteral("%1 cannot handle %2 of %3").arg(b.slot, b.signal, b.sender));
    }
}

// Collects what Qt complains about while the form is built.
QStringList* complaints = nullptr;
QtMessageHandler previousHandler = nullptr;

void CollectComplaint(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (complaints && type != QtDebugMsg && type != QtInfoMsg) {
        complaints->append(message);
        return;
    }
    if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

void LoadForm(const QString& description, QWidget* form) {
    QFile file(description);
    if (!file.open(QIODevice::ReadOnly)) Fail(description, file.errorString());
    QList<Binding> bindings;
    QByteArray ui = TakeBindings(file.readAll(), bindings, description);
    QBuffer buffer(&ui);
    buffer.open(QIODevice::ReadOnly);

    QStringList found;
    complaints = &found;
    previousHandler = qInstallMessageHandler(CollectComplaint);
    // Qt's loader loads every Qt Designer plugin it finds as it is created (the Qt Quick one drags
    // in half of Qt); the window uses none, so it is created where it finds none.
    const QStringList libraryPaths = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
    Loader loader(form);
    QCoreApplication::setLibraryPaths(libraryPaths);
    QWidget* root = loader.load(&buffer, nullptr);
    qInstallMessageHandler(previousHandler);
    complaints = nullptr;

    if (!found.isEmpty()) Fail(description, found.join(QStringLiteral("; ")));
    if (root != form) {
        delete root;
        Fail(description,
             loader.errorString().isEmpty()
                 ? QStringLiteral("it does not describe %1").arg(form->metaObject()->className())
                 : loader.errorString());
    }
    // Qt's loader keeps a property that no control has as a dynamic property, without a word.
    QList<QObject*> objects = form->findChildren<QObject*>();
    objects.append(form);
    for (QObject* object : objects) {
        for (const QByteArray& name : object->dynamicPropertyNames()) {
            if (name.startsWith("_q_")) continue;  // Qt's own bookkeeping
            Fail(description, QStringLiteral("%1 has no property %2")
                                  .arg(object->objectName(), QString::fromLatin1(name)));
        }
    }
    for (const Binding& b : bindings)
        Bind(form, b, description);
    form->move(DesignedPosition(ui));
}
