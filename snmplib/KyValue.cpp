#include "KyValue.h"

KyValue KyValue::null(Type exception) {
    KyValue v;
    v.Kind = exception;
    return v;
}

KyValue KyValue::integer(std::int64_t value) {
    KyValue v;
    v.Kind = Integer;
    v.Number = std::uint64_t(value);
    return v;
}

KyValue KyValue::unsigned32(Type type, std::uint32_t value) {
    KyValue v;
    v.Kind = type;
    v.Number = value;
    return v;
}

KyValue KyValue::counter64(std::uint64_t value) {
    KyValue v;
    v.Kind = Counter64;
    v.Number = value;
    return v;
}

KyValue KyValue::octets(Type type, std::string bytes) {
    KyValue v;
    v.Kind = type;
    v.Bytes = std::move(bytes);
    return v;
}

KyValue KyValue::objectId(KyOid oid) {
    KyValue v;
    v.Kind = ObjectId;
    v.Oid = std::move(oid);
    return v;
}
