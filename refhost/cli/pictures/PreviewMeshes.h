#pragma once

#include <string>
#include <vector>

#include "refhost/cli/MenuRun.h"
#include "refhost/document/Document.h"
#include "refhost/preview/PreviewMesh.h"

namespace refhost::cli {

// The object as a preview draws it, under `label`. With a `reference` of as
// many vertices, each vertex carries how far it lies from the reference's.
preview::PreviewMesh MeshOf(const Object& object, std::string label,
                            const Object* reference = nullptr);

// What a merge shows: the base; the targets the dialog had chosen, each with
// the weight its spin box held; and every object the command added,
// coloured by how far it moved from the base.
std::vector<preview::PreviewMesh> MergeMeshes(const Document& document, const MenuRun& run);

// What `show` draws: the named objects, or the first object and its morph
// targets; every object after the first coloured by how far it lies from it.
// CliError naming the model when a name finds no object.
std::vector<preview::PreviewMesh> ShownMeshes(const Document& document,
                                              const std::vector<std::string>& names,
                                              const std::string& modelName);

}  // namespace refhost::cli
