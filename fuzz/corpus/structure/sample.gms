<Generator_Name>
Trellimenu 2006
</Generator_Name>
<Generator_Version>
1.0
</Generator_Version>
<Product_Name>
General Menu Structure Description Format
</Product_Name>
<Product_Version>
1.0
</Product_Version>
<Structure_Description>
0#$@Home#$@index.html#$@_self#$@#$@
1#$@News#$@news.html#$@_blank#$@Latest news#$@
2#$@Archive#$@#$@_self#$@#$@
1#$@About#$@about.html#$@#$@#$@
0#$@Contact#$@mailto:me@example.com#$@_top#$@Write to us#$@
</Structure_Description>
