/* Values shared between threads without locks: the stop flags, globAppQuit, the vehicle signals
 * (written on the main-board worker, read on the render thread), the infotainment store (written on
 * the head-unit worker, read on the render thread) and the few values the render thread writes
 * back. The variables stay plain (`UInt08 Speed`, `volatile Int08 Stop`); every access from a
 * thread other than the only one that touches a value goes through these helpers, which are
 * atomic accesses on the plain object (what C++20's std::atomic_ref does) and so defined behaviour.
 *
 * Orderings:
 * - OrvShared_Load / OrvShared_Store: relaxed. For single independent values (a signal, a flag
 *   polled in a loop, a state byte): the reader needs the value whole, not an order with others.
 * - OrvShared_Publish / OrvShared_Acquire: release / acquire. For a change counter (Upd...) that
 *   announces texts or pictures written before it: a reader that sees the new count with an
 *   acquire load sees every byte written before the release store of that count.
 * - OrvShared_CopyIn / OrvShared_CopyOut: byte-wise relaxed copies of a text or picture that the
 *   other thread may read or rewrite at the same time. A reader may get a mix of an old and a
 *   new text when the writer rewrites it meanwhile (the next counter step makes it read again);
 *   it never reads a byte in the middle of being written. */
#ifndef ORV_SHARED_H
#define ORV_SHARED_H

#include <cstddef>
#include <type_traits>

/* The value of a shared variable with the given memory order (__ATOMIC_RELAXED, __ATOMIC_ACQUIRE);
 * the named helpers below are what callers use. */
template <int Order, typename T> inline std::remove_cv_t<T> OrvShared_LoadAs(const T& var)
{
    std::remove_cv_t<T> out;
    __atomic_load(const_cast<std::remove_cv_t<T>*>(&var), &out, Order);
    return out;
}

/* Stores a value into a shared variable with the given memory order (__ATOMIC_RELAXED,
 * __ATOMIC_RELEASE); the named helpers below are what callers use. */
template <int Order, typename T, typename V> inline void OrvShared_StoreAs(T& var, V value)
{
    std::remove_cv_t<T> in = (std::remove_cv_t<T>)value;
    __atomic_store(const_cast<std::remove_cv_t<T>*>(&var), &in, Order);
}

/* The value of a shared variable, relaxed. */
template <typename T> inline std::remove_cv_t<T> OrvShared_Load(const T& var)
{
    return OrvShared_LoadAs<__ATOMIC_RELAXED>(var);
}

/* Stores a value into a shared variable, relaxed. */
template <typename T, typename V> inline void OrvShared_Store(T& var, V value)
{
    OrvShared_StoreAs<__ATOMIC_RELAXED>(var, value);
}

/* Reads a change counter; what was written before its matching OrvShared_Publish is visible. */
template <typename T> inline std::remove_cv_t<T> OrvShared_Acquire(const T& counter)
{
    return OrvShared_LoadAs<__ATOMIC_ACQUIRE>(counter);
}

/* Sets a change counter after the data it announces has been written. */
template <typename T, typename V> inline void OrvShared_Publish(T& counter, V value)
{
    OrvShared_StoreAs<__ATOMIC_RELEASE>(counter, value);
}

/* Steps a change counter by one (wrapping). Only its single writer calls this. */
template <typename T> inline void OrvShared_Step(T& counter)
{
    OrvShared_Publish(counter, OrvShared_Load(counter) + 1);
}

/* Copies n bytes into shared memory that another thread may read meanwhile. */
inline void OrvShared_CopyIn(void* dst, const void* src, size_t n)
{
    unsigned char* d = static_cast<unsigned char*>(dst);
    const unsigned char* s = static_cast<const unsigned char*>(src);
    for (size_t i = 0; i < n; ++i) __atomic_store_n(d + i, s[i], __ATOMIC_RELAXED);
}

/* Sets n bytes of shared memory that another thread may read meanwhile. */
inline void OrvShared_Fill(void* dst, unsigned char value, size_t n)
{
    unsigned char* d = static_cast<unsigned char*>(dst);
    for (size_t i = 0; i < n; ++i) __atomic_store_n(d + i, value, __ATOMIC_RELAXED);
}

/* Copies n bytes out of shared memory that another thread may write meanwhile. */
inline void OrvShared_CopyOut(void* dst, const void* src, size_t n)
{
    unsigned char* d = static_cast<unsigned char*>(dst);
    const unsigned char* s = static_cast<const unsigned char*>(src);
    for (size_t i = 0; i < n; ++i) d[i] = __atomic_load_n(s + i, __ATOMIC_RELAXED);
}

/* A private copy of a shared text field: the field's bytes and a terminating zero after them,
 * so the copy is a whole C string even when the field is full. */
template <typename C, size_t N> struct OrvShared_TextCopy {
    C s[N + 1];
};

/* Copies a shared text field (a zero-terminated array the other thread may rewrite meanwhile)
 * into a private, always terminated copy: OrvShared_Text(MusicInfo.SongName).s. Read it after the
 * Acquire of the counter that announces it; a copy that met a rewrite is a mix of two texts and
 * lives until the writer's next counter step, which makes the reader copy again. */
template <typename C, size_t N> inline OrvShared_TextCopy<C, N> OrvShared_Text(const C (&field)[N])
{
    OrvShared_TextCopy<C, N> out;
    OrvShared_CopyOut(out.s, field, N);
    out.s[N] = 0;
    return out;
}

#endif
