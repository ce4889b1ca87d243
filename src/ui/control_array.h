#pragma once

#include <QLabel>
#include <QString>

#include <functional>
#include <map>

namespace ui {

// Copies every property of a label that a new element of a control array takes over from
// the lowest one: caption, colours, font, size, frame, alignment, enabled state.
void copyLabelProperties(const QLabel &from, QLabel &to);

// A control array: one element placed by the window, the others made at run time as hidden
// copies of the lowest element. Element i is named "<name>_<i>".
template<class Label> class ControlArray
{
public:
    using Handler = std::function<void(int index)>;

    ControlArray(QString name, Handler onClick)
        : m_name(std::move(name))
        , m_onClick(std::move(onClick))
    { }

    // Adopts the element placed at design time.
    void place(int index, Label *element)
    {
        element->setObjectName(m_name + QLatin1Char('_') + QString::number(index));
        m_elements[index] = element;
        connectClick(index, element);
    }

    // Makes element index as a hidden copy of the lowest element.
    Label *Load(int index)
    {
        const Label &lowest = *m_elements.begin()->second;
        auto *element = new Label(lowest.parentWidget());
        copyLabelProperties(lowest, *element);
        element->hide();
        element->setObjectName(m_name + QLatin1Char('_') + QString::number(index));
        m_elements[index] = element;
        connectClick(index, element);
        return element;
    }

    void Unload(int index)
    {
        const auto it = m_elements.find(index);
        if (it == m_elements.end())
            return;
        delete it->second;
        m_elements.erase(it);
    }

    Label *operator[](int index) const { return m_elements.at(index); }
    int UBound() const { return m_elements.rbegin()->first; }

private:
    void connectClick(int index, Label *element)
    {
        if (m_onClick)
            QObject::connect(element, &Label::clicked, element, [this, index] { m_onClick(index); });
    }

    QString m_name;
    Handler m_onClick;
    std::map<int, Label *> m_elements;
};

} // namespace ui
