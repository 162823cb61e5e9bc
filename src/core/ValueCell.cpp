#include "core/ValueCell.h"
#include "core/Num.h"
#include "core/ItemFile.h"

ValueCell ValueCell::FromItem(const ItemFile::Item &it)
{
    if (it.quoted)
        return ValueCell(it.text);
    if (it.text.isEmpty())
        return ValueCell();
    if (it.isNumber())
        return ValueCell(it.number());
    return ValueCell(it.text);
}

bool ValueCell::Read(ItemFile::Reader &r, ValueCell &out)
{
    ItemFile::Item it;
    if (!r.readField(it))
        return false;
    out = FromItem(it);
    return true;
}

std::optional<int> ValueCell::asCount(int limit) const
{
    if (!isNumber())
        return std::nullopt;
    const auto n = Num::CInt(m_num);
    if (!n || *n < 0 || *n > limit)
        return std::nullopt;
    return *n;
}

std::optional<double> ValueCell::toDouble() const
{
    switch (m_kind) {
    case Kind::Empty:
        return 0.0;
    case Kind::Number:
        return m_num;
    case Kind::Text:
        if (!Num::IsNumeric(m_text))
            return std::nullopt;
        return Num::Val(m_text);
    }
    return std::nullopt;
}

std::optional<int16_t> ValueCell::toInt16() const
{
    const auto d = toDouble();
    if (!d)
        return std::nullopt;
    return Num::CInt(*d);
}

std::optional<int32_t> ValueCell::toInt32() const
{
    const auto d = toDouble();
    if (!d)
        return std::nullopt;
    return Num::CLng(*d);
}

QString ValueCell::toString() const
{
    switch (m_kind) {
    case Kind::Empty:
        return {};
    case Kind::Number:
        return QString::number(m_num, 'g', 15);
    case Kind::Text:
        return m_text;
    }
    return {};
}

bool ValueCell::operator==(const ValueCell &o) const
{
    if (m_kind != o.m_kind)
        return false;
    if (m_kind == Kind::Number)
        return m_num == o.m_num;
    if (m_kind == Kind::Text)
        return m_text == o.m_text;
    return true;
}
