// Statements that declare or reshape variables: Dim, ReDim, Const, Erase.
#include <functional>

#include "vbs/interpreter.h"

namespace tabulo::vbs {

namespace {
std::vector<std::int32_t> evalBounds(
    const std::vector<ExprPtr> &bounds, const std::function<Value(const Expr &)> &eval, const Locale &locale)
{
    std::vector<std::int32_t> upper;
    for (const auto &b : bounds)
        upper.push_back(toLong(eval(*b), locale));
    return upper;
}
} // namespace

void Interpreter::execDim(const DimStmt &s, Frame &frame)
{
    for (const DimItem &item : s.items) {
        if (!item.isArray)
            continue; // a plain Dim leaves the variable as it is (Empty)
        Value *slot = variableSlot(*item.name, frame);
        if (!slot)
            continue;
        if (item.bounds.empty()) {
            // Dim a(): a dynamic array with no elements yet.
            Value empty = Value::array(std::vector<Value> {});
            empty.mutableArray().dims.clear();
            *slot = std::move(empty);
            continue;
        }
        auto upper = evalBounds(
            item.bounds, [&](const Expr &e) { return eval(e, frame); }, m_locale);
        Value array = Value::array(std::span<const std::int32_t>(upper));
        array.mutableArray().fixedSize = true;
        *slot = std::move(array);
    }
}

void Interpreter::execReDim(const ReDimStmt &s, Frame &frame)
{
    for (const DimItem &item : s.items) {
        auto upper = evalBounds(
            item.bounds, [&](const Expr &e) { return eval(e, frame); }, m_locale);
        Value *slot = variableSlot(*item.name, frame);
        if (!slot)
            raise(err::TypeMismatch);
        if (slot->isArray() && slot->rawArray().fixedSize)
            raise(err::ArrayFixed);
        Value fresh = Value::array(std::span<const std::int32_t>(upper));
        if (s.preserve && slot->isArray() && !slot->rawArray().dims.empty()) {
            const ArrayData &old = slot->rawArray();
            // Only the last dimension may change; the layout keeps the others in place.
            if (old.dims.size() != upper.size())
                raise(err::SubscriptOutOfRange);
            for (std::size_t d = 0; d + 1 < upper.size(); ++d)
                if (old.dims[d].count != fresh.rawArray().dims[d].count)
                    raise(err::SubscriptOutOfRange);
            ArrayData &target = fresh.mutableArray();
            std::size_t keep = std::min(old.items.size(), target.items.size());
            for (std::size_t i = 0; i < keep; ++i)
                target.items[i] = old.items[i];
        }
        *slot = std::move(fresh);
    }
}

void Interpreter::execConst(const ConstStmt &s, Frame &frame)
{
    for (const auto &[name, value] : s.items) {
        Value v = eval(*value, frame);
        if (liveScope(*name) == NameScope::Global) {
            GlobalEntry &entry = m_globals[name->slot];
            entry.value = std::move(v);
            entry.kind = GlobalEntry::Kind::Constant;
        } else if (Value *slot = variableSlot(*name, frame)) {
            *slot = std::move(v);
        }
    }
}

void Interpreter::execErase(const EraseStmt &s, Frame &frame)
{
    const auto &n = static_cast<const NameExpr &>(*s.target);
    Value *slot = variableSlot(n, frame);
    if (!slot || !slot->isArray())
        raise(err::TypeMismatch);
    ArrayData &a = slot->rawArray();
    if (a.fixedSize) {
        // A fixed array keeps its shape; its elements go back to Empty.
        ArrayData &mine = slot->mutableArray();
        for (Value &v : mine.items)
            v = Value();
    } else {
        std::int32_t none[] = {-1};
        *slot = Value::array(std::span<const std::int32_t>(none, 1));
        slot->mutableArray().dims.clear();
    }
}

} // namespace tabulo::vbs
