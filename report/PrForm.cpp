#include "report/PrForm.h"

#include <stdexcept>

#include "report/PagePainter.h"

TSculpForm* SculpForm = nullptr;

TSculpForm::TSculpForm(QObject* owner, const QString& description)
    : QObject(owner), m_page(ReportPage::Load(description)) {
    setObjectName(QStringLiteral("SculpForm"));
    if (m_page.className != QLatin1String(metaObject()->className())) {
        throw std::runtime_error(QStringLiteral("The page description %1 describes %2, not %3")
                                     .arg(description, m_page.className, metaObject()->className())
                                     .toStdString());
    }
}

ReportElement& TSculpForm::Label(QStringView name) {
    ReportElement* label = m_page.Find(name);
    if (!label || label->kind != ReportElement::Kind::Label) {
        throw std::logic_error("The appendix has no label " + name.toString().toStdString());
    }
    return *label;
}

void TSculpForm::Paint(QPainter& painter, QPointF resolution, QPointF deviceOffset) const {
    PaintPage(painter, m_page, resolution, deviceOffset);
}

void TSculpForm::Print() {}

void TSculpForm::Preview() {}
