# velmora_installed_files(<app-id> <out-var>): every file the installation
# lays out, relative to the prefix.
function(velmora_installed_files app_id out_var)
  set(files
    bin/velmora
    share/applications/${app_id}.desktop
    share/metainfo/${app_id}.metainfo.xml
    share/doc/velmora/copyright
    share/doc/velmora/changelog.gz
    share/man/man1/velmora.1.gz)
  foreach(size IN ITEMS 16 32 48 64 128)
    list(APPEND files share/icons/hicolor/${size}x${size}/apps/${app_id}.png)
  endforeach()
  list(SORT files)
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()
