// The texts, themes and catalogue are attached to this library as compiled-in resources.
namespace velkora_resources_anchor {
int anchor = 0;
}
