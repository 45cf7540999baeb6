// The field tables of the records and what is built from them. Each record kind has one
// table (record_tables.h) naming its fields with their members; the Python class's
// attributes, its keyword constructor, as_dict() and the checks of assigned values all walk
// that one table, so no field list is written twice.
#pragma once

#include <pybind11/stl.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "common.h"

namespace vdxml_py {

/// One field: its Python name and its member (possibly a member of a base record).
template <class C, class T>
struct Field {
    const char* name;
    T C::*member;
};
template <class C, class T>
constexpr Field<C, T> MakeField(const char* name, T C::*member) {
    return {name, member};
}

/// A named integer constant of a record class (a flag bit, a code).
struct Constant {
    const char* name;
    long long value;
};
/// A flag bit that a keyword constructor sets when one of its fields is given.
struct AutoFlag {
    const char* field;
    unsigned bit;
};

/// The table of record R: static constexpr const char* name, doc; static auto Fields()
/// returning a tuple of Field; optionally Constants() and AutoFlags() returning vectors.
template <class R>
struct Table;

template <class T, class = void>
struct HasTable : std::false_type {};
template <class T>
struct HasTable<T, std::void_t<decltype(Table<T>::Fields())>> : std::true_type {};
template <class T, class = void>
struct HasConstants : std::false_type {};
template <class T>
struct HasConstants<T, std::void_t<decltype(Table<T>::Constants())>> : std::true_type {};
template <class T, class = void>
struct HasAutoFlags : std::false_type {};
template <class T>
struct HasAutoFlags<T, std::void_t<decltype(Table<T>::AutoFlags())>> : std::true_type {};
template <class T>
struct IsVector : std::false_type {};
template <class T, class A>
struct IsVector<std::vector<T, A>> : std::true_type {};

/// Calls fn(field) for every field of R, in table order.
template <class R, class Fn>
void ForEachField(Fn&& fn) {
    static const auto fields = Table<R>::Fields();
    std::apply([&](const auto&... field) { (fn(field), ...); }, fields);
}

template <class R>
py::dict ToDict(const R& record);

/// A field's value as plain Python data: records become dicts, lists stay lists, codes ints.
template <class T>
py::object ToPlain(const T& value) {
    if constexpr (HasTable<T>::value) {
        return ToDict(value);
    } else if constexpr (IsVector<T>::value) {
        py::list list;
        for (const auto& item : value) list.append(ToPlain(item));
        return std::move(list);
    } else if constexpr (std::is_enum_v<T>) {
        return py::int_(static_cast<long long>(value));
    } else {
        return py::cast(value);
    }
}

/// Every field of record as a dict, nested records as nested dicts.
template <class R>
py::dict ToDict(const R& record) {
    py::dict out;
    ForEachField<R>([&](const auto& field) { out[field.name] = ToPlain(record.*(field.member)); });
    return out;
}

template <class R>
R FromMapping(const py::handle& mapping, const std::string& where, bool autoFlags);

inline std::string TypeName(const py::handle& value) {
    return py::str(py::type::of(value).attr("__name__"));
}

/// A Python value as field type T; where names the field in messages. Wrong types raise
/// TypeError, values the field cannot hold (NaN, infinities, out of range) InvalidArgument.
template <class T>
T FromPython(const py::handle& value, const std::string& where) {
    if constexpr (HasTable<T>::value) {
        if (py::isinstance<T>(value)) return value.cast<const T&>();
        if (py::isinstance<py::dict>(value)) return FromMapping<T>(value, where, true);
        throw py::type_error(where + " takes a " + std::string("vdxml.") + Table<T>::name +
                             " or a dict, not " + TypeName(value));
    } else if constexpr (IsVector<T>::value) {
        using Item = typename T::value_type;
        if (py::isinstance<py::str>(value) || !py::isinstance<py::sequence>(value))
            throw py::type_error(where + " takes a list, not " + TypeName(value));
        T out;
        std::size_t i = 0;
        for (const py::handle item : value.cast<py::sequence>())
            out.push_back(FromPython<Item>(item, where + "[" + std::to_string(i++) + "]"));
        return out;
    } else if constexpr (std::is_enum_v<T>) {
        return static_cast<T>(FromPython<std::underlying_type_t<T>>(value, where));
    } else if constexpr (std::is_same_v<T, _bstr_t>) {
        if (!py::isinstance<py::str>(value))
            throw py::type_error(where + " takes a str, not " + TypeName(value));
        return value.cast<_bstr_t>();
    } else if constexpr (std::is_same_v<T, bool>) {
        if (!py::isinstance<py::bool_>(value))
            throw py::type_error(where + " takes a bool, not " + TypeName(value));
        return value.cast<bool>();
    } else if constexpr (std::is_floating_point_v<T>) {
        if (py::isinstance<py::bool_>(value) ||
            !(py::isinstance<py::float_>(value) || py::isinstance<py::int_>(value)))
            throw py::type_error(where + " takes a number, not " + TypeName(value));
        const double number = PyFloat_AsDouble(value.ptr());
        if (number == -1.0 && PyErr_Occurred()) throw py::error_already_set();
        if (!std::isfinite(number))
            InvalidArgument(where + " must be a finite number, not " +
                            std::string(py::str(py::float_(number))));
        return static_cast<T>(number);
    } else {
        static_assert(std::is_integral_v<T>, "a field type without a conversion");
        if (py::isinstance<py::bool_>(value) || !py::isinstance<py::int_>(value))
            throw py::type_error(where + " takes an int, not " + TypeName(value));
        long long number = 0;
        try {
            number = value.cast<long long>();
        } catch (const py::cast_error&) {
            InvalidArgument(where + " is out of range");
        }
        if (number < static_cast<long long>(std::numeric_limits<T>::min()) ||
            (number > 0 && static_cast<unsigned long long>(number) >
                               static_cast<unsigned long long>(std::numeric_limits<T>::max())))
            InvalidArgument(where + " must lie between " +
                            std::to_string(static_cast<long long>(std::numeric_limits<T>::min())) +
                            " and " + std::to_string(std::numeric_limits<T>::max()) + ", not " +
                            std::to_string(number));
        return static_cast<T>(number);
    }
}

/// A record from a mapping of field names to values (keyword arguments or a dict). An unknown
/// name raises TypeError. With autoFlags, a record whose table lists automatic flags and whose
/// "Flags" is not given gets the bit of every given field that has one.
template <class R>
R FromMapping(const py::handle& mapping, const std::string& where, bool autoFlags) {
    const py::dict values = py::reinterpret_borrow<py::dict>(mapping);
    R record;
    std::size_t used = 0;
    ForEachField<R>([&](const auto& field) {
        if (!values.contains(field.name)) return;
        using T = std::remove_reference_t<decltype(record.*(field.member))>;
        record.*(field.member) =
            FromPython<T>(values[field.name], where + "." + std::string(field.name));
        ++used;
    });
    if (used != values.size()) {
        for (const auto& item : values) {
            const std::string key = py::str(item.first);
            bool known = false;
            ForEachField<R>([&](const auto& field) { known = known || key == field.name; });
            if (!known) throw py::type_error(where + " has no field '" + key + "'");
        }
    }
    if constexpr (HasAutoFlags<R>::value) {
        if (autoFlags && !values.contains("Flags")) {
            for (const AutoFlag& flag : Table<R>::AutoFlags())
                if (values.contains(flag.field)) record.Flags |= flag.bit;
        }
    }
    return record;
}

/// Registers R as vdxml.<name>: keyword constructor, one attribute per field, as_dict(),
/// equality by value, repr, the class constants and the tuple "fields".
template <class R>
py::class_<R> BindRecord(py::module_& m) {
    const std::string name = Table<R>::name;
    py::class_<R> cls(m, Table<R>::name, Table<R>::doc);
    std::string init = "Builds a " + name +
                       " from keyword arguments, one per field; fields not given keep their "
                       "defaults. A nested record may be given as a record or as a dict.";
    if constexpr (HasAutoFlags<R>::value)
        init += " Without Flags, the flag bit of every given value that has one is set.";
    cls.def(
        py::init([name](const py::kwargs& kwargs) { return FromMapping<R>(kwargs, name, true); }),
        init.c_str());
    py::list names;
    ForEachField<R>([&](const auto& field) {
        using T = std::remove_reference_t<decltype(std::declval<R&>().*(field.member))>;
        const auto member = field.member;
        const std::string where = name + "." + field.name;
        names.append(field.name);
        if constexpr (HasTable<T>::value) {
            cls.def_property(
                field.name,
                [member](py::object self) {
                    R& record = self.cast<R&>();
                    return py::cast(&(record.*member), py::return_value_policy::reference_internal,
                                    self);
                },
                [member, where](R& record, const py::handle& value) {
                    record.*member = FromPython<T>(value, where);
                });
        } else {
            cls.def_property(
                field.name,
                [member](const R& record) -> py::object {
                    if constexpr (IsVector<T>::value)
                        return py::cast(record.*member);  // a copy: assign the whole list
                    else
                        return ToPlain(record.*member);
                },
                [member, where](R& record, const py::handle& value) {
                    record.*member = FromPython<T>(value, where);
                });
        }
    });
    cls.attr("fields") = py::tuple(names);
    cls.def("as_dict", &ToDict<R>,
            "Every field as a dict (nested records as dicts), for tables and JSON.");
    cls.def("__eq__", [](const R& a, const py::object& b) -> py::object {
        if (!py::isinstance<R>(b)) return py::reinterpret_borrow<py::object>(Py_NotImplemented);
        return py::bool_(ToDict(a).equal(ToDict(b.cast<const R&>())));
    });
    cls.attr("__hash__") = py::none();
    cls.def("__repr__", [name](const R& record) {
        return "vdxml." + name + "(" + std::string(py::str(ToDict(record))) + ")";
    });
    cls.def(
        "copy", [](const R& record) { return R(record); }, "A copy of the record.");
    if constexpr (HasConstants<R>::value)
        for (const Constant& c : Table<R>::Constants()) cls.attr(c.name) = c.value;
    return cls;
}

}  // namespace vdxml_py
