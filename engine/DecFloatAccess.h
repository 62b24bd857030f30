#pragma once
// Access to the digits of a cpp_dec_float: limbs of 8 decimal digits, most significant first, the
// first not zero, and a decimal exponent (a multiple of 8) that is the weight of the first limb's
// units digit. The library keeps these private and offers no way to read them short of printing.
// An explicit instantiation may name private members, which gives us member pointers to them:
// each backend type is granted once in the whole program (see NUMORA_GRANT_DEC_FLOAT_ACCESS).
#include <boost/multiprecision/cpp_dec_float.hpp>
#include <cstdint>

namespace numora::decfloat {

template <class Backend>
using LimbArrayOf = boost::multiprecision::backends::detail::static_array<
    std::uint32_t, static_cast<std::uint32_t>(Backend::cpp_dec_float_max_digits10 / 8)>;

template <class Backend>
constexpr int kLimbCount = Backend::cpp_dec_float_max_digits10 / 8;

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-template-friend"
template <class Backend>
struct DataTag {
    using type = LimbArrayOf<Backend> Backend::*;
    friend type MemberOf(DataTag);
};
template <class Backend>
struct ExpTag {
    using type = typename Backend::exponent_type Backend::*;
    friend type MemberOf(ExpTag);
};
template <class Backend>
struct NegTag {
    using type = bool Backend::*;
    friend type MemberOf(NegTag);
};
#pragma GCC diagnostic pop

template <class Tag, typename Tag::type Member>
struct Grant {
    friend typename Tag::type MemberOf(Tag) { return Member; }
};

template <class Backend>
LimbArrayOf<Backend>& Limbs(Backend& b) {
    return b.*MemberOf(DataTag<Backend>{});
}
template <class Backend>
const LimbArrayOf<Backend>& Limbs(const Backend& b) {
    return b.*MemberOf(DataTag<Backend>{});
}
template <class Backend>
typename Backend::exponent_type& Exponent(Backend& b) {
    return b.*MemberOf(ExpTag<Backend>{});
}
template <class Backend>
typename Backend::exponent_type Exponent(const Backend& b) {
    return b.*MemberOf(ExpTag<Backend>{});
}
template <class Backend>
bool& Negative(Backend& b) {
    return b.*MemberOf(NegTag<Backend>{});
}

}  // namespace numora::decfloat

// Grants the accessors above for one backend type; write it once per type, at global scope.
#define NUMORA_GRANT_DEC_FLOAT_ACCESS(Backend)                                                   \
    template struct numora::decfloat::Grant<numora::decfloat::DataTag<Backend>, &Backend::data>; \
    template struct numora::decfloat::Grant<numora::decfloat::ExpTag<Backend>, &Backend::exp>;   \
    template struct numora::decfloat::Grant<numora::decfloat::NegTag<Backend>, &Backend::neg>
