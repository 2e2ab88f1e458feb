#pragma once
// What other programs' index files say about a table's keys. We never write
// index files; we read their key and filter expressions so that writes which
// cannot change any key may go ahead. Pure functions on bytes (read through a
// callback, bounded by the file size); whatever cannot be read with certainty
// is reported as unreadable, and the caller then treats every field as a key.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kx::dbf::detail {

enum class IndexKind {
    Ndx,
    Mdx,
    Ntx,
    Cdx
};

// The kind of an index file by its extension (any case); false for other names.
bool IndexKindOf(std::string_view fileName, IndexKind& kind);

// Reads up to `length` bytes at `offset`; returns how many it read.
using IndexReader = std::function<std::size_t(std::uint64_t offset, char* buf, std::size_t length)>;

// One expression of an index file, with what it is ("key", "tag NAME key", "filter") for messages.
struct IndexExpression {
    std::string role;
    std::string text;
};

// The key and filter expressions of an index file of `size` bytes. False with
// `why` when they cannot be read (a compound .cdx, a short or damaged file).
bool ReadIndexExpressions(IndexKind kind, std::uint64_t size, const IndexReader& read,
                          std::vector<IndexExpression>& out, std::string& why);

// What an expression depends on: the field numbers it names (`fieldNumber`
// maps a name to a number, < 1 when the table has no such field) and whether
// it asks for the deletion flag (DELETED()). False with `why` when the
// expression holds anything we cannot account for: a name that is no field,
// a function we do not know (it could read any field), a macro.
bool ExpressionDependencies(std::string_view expression, const std::function<int(std::string_view)>& fieldNumber,
                            std::vector<int>& fields, bool& deletionFlag, std::string& why);

}  // namespace kx::dbf::detail
